// Una variable no cambia de tipo
Algoritmo TipoCambia
	x <- 3
	Escribir x
	x <- "tres"
FinAlgoritmo
