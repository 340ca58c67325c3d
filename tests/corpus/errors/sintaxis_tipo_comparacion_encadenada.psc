// 1 < x < 3 compara un lógico con un número
Algoritmo ComparacionEncadenada
	x <- 2
	Si 1 < x < 3 Entonces
		Escribir "entre"
	FinSi
FinAlgoritmo
