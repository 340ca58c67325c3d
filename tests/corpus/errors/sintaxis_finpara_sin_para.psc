Algoritmo FinParaSolo
	i <- 1
	Escribir i
	FinPara
FinAlgoritmo
