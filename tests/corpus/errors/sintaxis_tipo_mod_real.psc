// MOD solo acepta enteros
Algoritmo ModReal
	Escribir 7 MOD 2
	Escribir 7.5 MOD 2
FinAlgoritmo
