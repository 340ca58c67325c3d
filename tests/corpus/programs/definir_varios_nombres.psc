Algoritmo VariosNombres
	Definir a, b, c Como Entero
	Definir nombre, apellido Como Texto
	a <- 10
	b <- 3
	c <- a MOD b
	nombre <- "Ana"
	apellido <- "Gómez"
	Escribir a, " ", b, " ", c
	Escribir apellido, ", ", nombre
FinAlgoritmo
