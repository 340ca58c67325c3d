Algoritmo MientrasSinCondicion
	x <- 1
	Mientras Hacer
		x <- x + 1
	FinMientras
FinAlgoritmo
