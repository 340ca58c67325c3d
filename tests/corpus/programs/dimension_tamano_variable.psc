// El tamaño de un arreglo puede venir de una variable leída
Algoritmo TamanoVariable
	Leer n
	Dimension datos[n]
	Para i <- 1 Hasta n Hacer
		datos[i] <- n - i + 1
	FinPara
	Para i <- 1 Hasta n Hacer
		Escribir Sin Saltar datos[i], " "
	FinPara
	Escribir ""
FinAlgoritmo
