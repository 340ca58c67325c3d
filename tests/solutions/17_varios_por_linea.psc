// Se espera: coincide
// Un Mientras con los extremos en un Si/SiNo, el promedio con la cantidad contada
// y los resultados de a dos por línea, en otro orden que la ventana.
Algoritmo estadistica_de_19
	Definir n, total, max, min, prom Como Real
	Definir cuantos, posMax, posMin Como Entero
	cuantos <- 0
	total <- 0
	Mientras cuantos < 19 Hacer
		Escribir "Valor ", cuantos + 1, ":"
		Leer n
		cuantos <- cuantos + 1
		total <- total + n
		Si cuantos = 1 Entonces
			max <- n
			min <- n
			posMax <- 1
			posMin <- 1
		SiNo
			Si n > max Entonces
				max <- n
				posMax <- cuantos
			SiNo
				Si n < min Entonces
					min <- n
					posMin <- cuantos
				FinSi
			FinSi
		FinSi
	FinMientras
	prom <- total / cuantos
	Escribir "Mayor: ", max, " (ingresado en el lugar ", posMax, ")"
	Escribir "Menor: ", min, " (ingresado en el lugar ", posMin, ")"
	Escribir "Se ingresaron ", cuantos, " números que suman ", total
	Escribir "Promedio: ", prom
FinAlgoritmo
