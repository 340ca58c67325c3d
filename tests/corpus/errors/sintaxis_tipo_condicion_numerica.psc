Algoritmo CondicionNumerica
	n <- 5
	Si n Entonces
		Escribir "no es lógico"
	FinSi
FinAlgoritmo
