Algoritmo DimensionNegativa
	n <- 3
	Dimension a[n]
	n <- n - 5
	Dimension b[n]
	Escribir "creado"
FinAlgoritmo
