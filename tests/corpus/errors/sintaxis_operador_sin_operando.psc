Algoritmo SinOperando
	a <- 1
	b <- a +
	Escribir b
FinAlgoritmo
