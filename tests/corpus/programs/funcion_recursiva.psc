// Factorial y Fibonacci recursivos
Funcion f <- Factorial(n)
	Si n <= 1 Entonces
		f <- 1
	SiNo
		f <- n * Factorial(n - 1)
	FinSi
FinFuncion

Funcion f <- Fibonacci(n)
	Si n < 2 Entonces
		f <- n
	SiNo
		f <- Fibonacci(n - 1) + Fibonacci(n - 2)
	FinSi
FinFuncion

Algoritmo Recursiva
	Para i <- 0 Hasta 10 Hacer
		Escribir i, "! = ", Factorial(i), "  fib = ", Fibonacci(i)
	FinPara
FinAlgoritmo
