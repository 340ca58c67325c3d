Algoritmo ParaSinHasta
	Para i <- 1 10 Hacer
		Escribir i
	FinPara
FinAlgoritmo
