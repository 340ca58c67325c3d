Algoritmo Tipos
	Definir e Como Entero
	Definir r Como Real
	Definir n Como Numero
	Definir nn Como Numerico
	Definir b Como Logico
	Definir c Como Caracter
	Definir s Como Texto
	Definir k Como Cadena
	// valores iniciales de cada tipo
	Escribir "[", e, "][", r, "][", n, "][", nn, "][", b, "][", c, "][", s, "][", k, "]"
	e <- 7
	r <- 2.5
	n <- e * r
	b <- e > r
	c <- "A"
	s <- "texto"
	k <- s + c
	Escribir e, " ", r, " ", n, " ", b, " ", c, " ", s, " ", k
	// un Entero dividido da un resultado real
	Escribir e / 2
FinAlgoritmo
