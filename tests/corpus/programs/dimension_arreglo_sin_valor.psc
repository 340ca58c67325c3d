// Las posiciones no asignadas valen 0 (o texto vacío) según el tipo
Algoritmo ArregloSinValor
	Dimension numeros[3], palabras[3]
	numeros[1] <- 8
	palabras[1] <- "uno"
	Escribir numeros[1], " ", numeros[2], " ", numeros[3]
	Escribir "[", palabras[1], "][", palabras[2], "]"
FinAlgoritmo
