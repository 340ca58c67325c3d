Algoritmo ArregloSinSubindice
	Dimension v[3]
	v[1] <- 1
	Escribir v
FinAlgoritmo
