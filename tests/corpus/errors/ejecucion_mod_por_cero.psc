Algoritmo ModPorCero
	d <- 0
	Escribir 10 MOD 3
	Escribir 10 MOD d
FinAlgoritmo
