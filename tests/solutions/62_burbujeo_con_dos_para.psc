// Se espera: coincide
// El burbujeo con dos Para anidados, sin bandera: 32 pasadas, cada una más corta,
// y el vector escrito de a un elemento por línea.
Algoritmo Ejercicio62
	Definir v, temp Como Real
	Definir pasada, k Como Entero
	Dimension v[33]
	Para k <- 1 Hasta 33 Hacer
		Escribir "Ingrese"
		Leer v[k]
	FinPara
	Para pasada <- 1 Hasta 32 Hacer
		Para k <- 1 Hasta 33 - pasada Hacer
			Si v[k] < v[k + 1] Entonces
				temp <- v[k]
				v[k] <- v[k + 1]
				v[k + 1] <- temp
			FinSi
		FinPara
	FinPara
	Escribir "Vector ordenado:"
	Para k <- 1 Hasta 33 Hacer
		Escribir v[k]
	FinPara
FinAlgoritmo
