// MOD toma el signo del dividendo
Algoritmo ModNegativo
	Escribir -7 MOD 3
	Escribir 7 MOD (-3)
	Escribir (-7) MOD (-3)
	Escribir -6 MOD 3
	Escribir 0 MOD 5
	a <- -10
	Escribir a MOD 4, " ", a % 4
FinAlgoritmo
