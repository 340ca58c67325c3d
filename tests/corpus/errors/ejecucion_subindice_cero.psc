// Los subíndices empiezan en 1
Algoritmo SubindiceCero
	Dimension v[3]
	i <- 0
	Escribir "antes"
	v[i] <- 1
FinAlgoritmo
