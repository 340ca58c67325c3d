// Un arreglo no se puede redimensionar
Algoritmo DimensionRepetida
	Dimension v[3]
	Escribir "uno"
	Dimension v[5]
FinAlgoritmo
