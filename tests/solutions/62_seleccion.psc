// Se espera: coincide
// Ordena de mayor a menor por selección en lugar del burbujeo: el vector que se
// muestra es el mismo. Lee directo en el vector con un Para.
Algoritmo ordenar_descendente
	Definir lista, aux Como Real
	Definir i, j, posMax Como Entero
	Dimension lista[33]
	Para i <- 1 Hasta 33 Hacer
		Escribir "Ingrese el número ", i, " de 33:"
		Leer lista[i]
	FinPara
	Para i <- 1 Hasta 32 Hacer
		posMax <- i
		Para j <- i + 1 Hasta 33 Hacer
			Si lista[j] > lista[posMax] Entonces
				posMax <- j
			FinSi
		FinPara
		aux <- lista[i]
		lista[i] <- lista[posMax]
		lista[posMax] <- aux
	FinPara
	Escribir "Ordenado de mayor a menor:"
	Para i <- 1 Hasta 33 Hacer
		Escribir Sin Saltar lista[i], "  "
	FinPara
	Escribir ""
FinAlgoritmo
