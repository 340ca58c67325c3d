Algoritmo Comparacion
	a <- 3
	b <- 5
	Escribir a = b, " ", a == b, " ", a <> b, " ", a != b
	Escribir a < b, " ", a <= b, " ", a > b, " ", a >= b
	Escribir a <= 3, " ", a >= 3, " ", a < 3
	Escribir Verdadero = Verdadero, " ", Verdadero <> Falso
FinAlgoritmo
