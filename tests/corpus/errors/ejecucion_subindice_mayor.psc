Algoritmo SubindiceMayor
	Dimension v[5]
	Para i <- 1 Hasta 6 Hacer
		v[i] <- i
		Escribir Sin Saltar v[i], " "
	FinPara
FinAlgoritmo
