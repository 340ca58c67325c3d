// Varios errores en el mismo archivo: se informan todos
Algoritmo VariosErrores
	a <- (1 + 2
	Escribir "bien"
	b <- 3 *
	Escribir "sin cerrar
	Leer
	FinSi
FinAlgoritmo
