Algoritmo LogicoTomaNumero
	Definir listo Como Logico
	listo <- 3 > 2
	listo <- 1
FinAlgoritmo
