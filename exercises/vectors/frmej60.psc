Algoritmo Ejercicio60
	// Variables
	Definir valor Como Real;
	Definir contador Como Entero;
	Definir v Como Real;
	Definir i, j, posicionMayor Como Entero;
	Definir mayor Como Real;
	Definir k Como Entero;
	Dimension v[13];

	// Ingreso de los 13 números, cada uno guardado en el vector
	Para contador <- 1 Hasta 13 Con Paso 1 Hacer
		Escribir "Ingrese";
		Leer valor;
		v[contador] <- valor;
	FinPara

	// Orden descendente por selección: en cada pasada se busca el mayor
	// de v[i] a v[13] y se lo intercambia con v[i]
	Para i <- 1 Hasta 12 Con Paso 1 Hacer
		mayor <- v[i];
		posicionMayor <- i;
		Para j <- i + 1 Hasta 13 Con Paso 1 Hacer
			Si v[j] > mayor Entonces
				mayor <- v[j];
				posicionMayor <- j;
			FinSi
		FinPara
		// Intercambio de v[i] con el mayor encontrado
		v[posicionMayor] <- v[i];
		v[i] <- mayor;
	FinPara

	// Resultados
	Escribir Sin Saltar "Vector: ";
	Para k <- 1 Hasta 13 Con Paso 1 Hacer
		Escribir Sin Saltar " ", v[k];
	FinPara
	Escribir "";
FinAlgoritmo
