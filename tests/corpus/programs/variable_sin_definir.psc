// Sin Definir: la variable toma el tipo de su primer uso
Algoritmo SinDefinir
	precio <- 12.5
	cantidad <- 4
	nombre <- "lápiz"
	hay <- cantidad > 0
	Escribir cantidad, " ", nombre, " a ", precio, " = ", cantidad * precio
	Escribir "hay: ", hay
	cantidad <- cantidad - 4
	Escribir "quedan ", cantidad
FinAlgoritmo
