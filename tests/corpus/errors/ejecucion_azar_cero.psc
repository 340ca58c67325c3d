Algoritmo AzarCero
	n <- 0
	Escribir azar(n)
FinAlgoritmo
