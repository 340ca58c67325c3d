Algoritmo RaizNegativa
	x <- 9
	Escribir raiz(x)
	x <- -9
	Escribir raiz(x)
FinAlgoritmo
