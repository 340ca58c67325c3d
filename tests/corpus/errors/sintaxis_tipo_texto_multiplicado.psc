Algoritmo TextoMultiplicado
	palabra <- "eco"
	Escribir palabra
	Escribir palabra * 3
FinAlgoritmo
