Algoritmo LnCero
	x <- 0
	Escribir ln(x)
FinAlgoritmo
