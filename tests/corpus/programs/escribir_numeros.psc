// Cómo se escriben los números: sin ceros de más ni signo en el cero
Algoritmo EscribirNumeros
	Escribir 2.50
	Escribir 4.0
	Escribir -0
	Escribir 10 / 4
	Escribir 12 / 4
	Escribir -1 / 4
	Escribir 0.1 + 0.2
	Escribir 1 / 8
	x <- -0.5
	Escribir x * 0
	Escribir 1000000 * 16
	Escribir 3.75 - 5
FinAlgoritmo
