Algoritmo SiSino
	Leer n
	Si n MOD 2 = 0 Entonces
		Escribir n, " es par"
	SiNo
		Escribir n, " es impar"
	FinSi
	Si n > 10 Entonces
		Escribir "mayor que diez"
	FinSi
	Escribir "fin"
FinAlgoritmo
