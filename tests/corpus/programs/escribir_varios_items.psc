// Escribir pone los elementos seguidos, sin separador
Algoritmo VariosItems
	a <- 3
	b <- 4
	Escribir a, b
	Escribir "a=", a, " b=", b
	Escribir a, "+", b, "=", a + b
	Escribir "lógico: ", a < b, " ", a = b
	Escribir Verdadero, Falso
FinAlgoritmo
