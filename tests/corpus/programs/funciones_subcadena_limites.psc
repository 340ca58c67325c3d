// Subcadena con posiciones fuera del texto: se recorta, o queda vacía
Algoritmo SubcadenaLimites
	s <- "hola"
	Escribir "[", Subcadena(s, 0, 2), "]"
	Escribir "[", Subcadena(s, 3, 10), "]"
	Escribir "[", Subcadena(s, 3, 2), "]"
	Escribir "[", Subcadena(s, 5, 6), "]"
FinAlgoritmo
