// Se espera: difiere en el ingreso 33
// Dice: muestra en «Vector»
// Compara al revés en el burbujeo: ordena de menor a mayor y la ventana pide de
// mayor a menor.
Algoritmo Ejercicio62
	Definir v, aux Como Real
	Definir i, k Como Entero
	Definir cambio Como Logico
	Dimension v[33]
	Para k <- 1 Hasta 33 Hacer
		Escribir "Ingrese"
		Leer v[k]
	FinPara
	cambio <- Verdadero
	Mientras cambio Hacer
		cambio <- Falso
		Para i <- 1 Hasta 32 Hacer
			Si v[i] > v[i + 1] Entonces
				aux <- v[i]
				v[i] <- v[i + 1]
				v[i + 1] <- aux
				cambio <- Verdadero
			FinSi
		FinPara
	FinMientras
	Escribir Sin Saltar "Vector:"
	Para k <- 1 Hasta 33 Hacer
		Escribir Sin Saltar " ", v[k]
	FinPara
	Escribir ""
FinAlgoritmo
