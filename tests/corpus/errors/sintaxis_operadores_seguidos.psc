Algoritmo OperadoresSeguidos
	a <- 4
	Escribir a * / 2
FinAlgoritmo
