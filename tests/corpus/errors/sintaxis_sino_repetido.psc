Algoritmo SinoRepetido
	x <- 1
	Si x > 0 Entonces
		Escribir "positivo"
	SiNo
		Escribir "no positivo"
	SiNo
		Escribir "otra vez"
	FinSi
FinAlgoritmo
