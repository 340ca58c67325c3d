Algoritmo Parentesis
	a <- 2
	b <- (a + 3 * (a - 1)
	Escribir b
FinAlgoritmo
