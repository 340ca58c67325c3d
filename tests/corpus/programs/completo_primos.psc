// Números primos menores que 100, con una bandera lógica
Algoritmo Primos
	Definir n, d, cuantos Como Entero
	Definir esPrimo Como Logico
	cuantos <- 0
	Para n <- 2 Hasta 99 Hacer
		esPrimo <- Verdadero
		d <- 2
		Mientras d * d <= n Y esPrimo Hacer
			Si n MOD d = 0 Entonces
				esPrimo <- Falso
			FinSi
			d <- d + 1
		FinMientras
		Si esPrimo Entonces
			Escribir Sin Saltar n, " "
			cuantos <- cuantos + 1
		FinSi
	FinPara
	Escribir ""
	Escribir "Hay ", cuantos, " primos"
FinAlgoritmo
