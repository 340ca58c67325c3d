Algoritmo DimensionCero
	Leer n
	Dimension v[n]
	Escribir "creado"
FinAlgoritmo
