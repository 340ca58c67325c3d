// + entre textos los concatena
Algoritmo TextoSuma
	nombre <- "Ana"
	saludo <- "Hola, " + nombre + "!"
	Escribir saludo
	s <- ""
	Para i <- 1 Hasta 3 Hacer
		s <- s + "ab"
	FinPara
	Escribir s, " ", Longitud(s)
FinAlgoritmo
