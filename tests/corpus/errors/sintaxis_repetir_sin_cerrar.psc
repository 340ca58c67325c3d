Algoritmo RepetirSinCerrar
	x <- 0
	Repetir
		x <- x + 1
	Escribir x
FinAlgoritmo
