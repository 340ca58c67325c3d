Algoritmo DivisionPorCero
	Leer a, b
	Escribir "cociente:"
	Escribir a / b
	Escribir "fin"
FinAlgoritmo
