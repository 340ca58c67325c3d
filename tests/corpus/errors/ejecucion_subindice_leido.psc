Algoritmo SubindiceLeido
	Dimension v[3]
	v[2] <- 7
	Leer k
	Escribir v[k]
FinAlgoritmo
