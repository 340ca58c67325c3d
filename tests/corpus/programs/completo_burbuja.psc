// Ordena por burbuja un vector leído
Algoritmo Burbuja
	Definir n, i, j Como Entero
	Definir aux Como Real
	Escribir "¿Cuántos números?"
	Leer n
	Dimension v[n]
	Para i <- 1 Hasta n Hacer
		Escribir "Número ", i, ":"
		Leer v[i]
	FinPara
	Para i <- 1 Hasta n - 1 Hacer
		Para j <- 1 Hasta n - i Hacer
			Si v[j] > v[j + 1] Entonces
				aux <- v[j]
				v[j] <- v[j + 1]
				v[j + 1] <- aux
			FinSi
		FinPara
	FinPara
	Escribir "Ordenados:"
	Para i <- 1 Hasta n Hacer
		Escribir Sin Saltar v[i], " "
	FinPara
	Escribir ""
FinAlgoritmo
