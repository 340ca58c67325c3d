// Funciones de texto; Subcadena cuenta desde 1 e incluye ambos extremos
Algoritmo FuncionesTexto
	s <- "Programa"
	Escribir Longitud(s), " ", Longitud("")
	Escribir Mayusculas(s), " ", Minusculas(s), " ", Mayusculas("a1b2")
	Escribir Subcadena(s, 1, 3), " ", Subcadena(s, 4, 4), " ", Subcadena(s, 5, Longitud(s))
	Escribir Concatenar("Pro", "grama"), " ", Concatenar(Concatenar("a", "b"), "c")
	// dar vuelta un texto letra a letra
	r <- ""
	Para i <- Longitud(s) Hasta 1 Con Paso -1 Hacer
		r <- r + Subcadena(s, i, i)
	FinPara
	Escribir r
FinAlgoritmo
