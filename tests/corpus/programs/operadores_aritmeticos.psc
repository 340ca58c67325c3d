Algoritmo Aritmeticos
	a <- 7
	b <- 2
	Escribir a + b, " ", a - b, " ", a * b, " ", a / b
	Escribir a ^ b, " ", b ^ 10, " ", 4 ^ 0.5, " ", 2 ^ (-1)
	Escribir a MOD b, " ", a % b, " ", 12 MOD 4
	Escribir -a, " ", -(a + b), " ", 5 - (-2)
FinAlgoritmo
