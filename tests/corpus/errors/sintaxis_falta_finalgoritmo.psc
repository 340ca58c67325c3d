Algoritmo SinFin
	x <- 1
	Escribir x
