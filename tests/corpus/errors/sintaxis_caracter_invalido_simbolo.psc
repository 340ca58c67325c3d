Algoritmo Simbolo
	precio <- 10
	total <- precio $ 2
	Escribir total
FinAlgoritmo
