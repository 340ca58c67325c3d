Algoritmo Ejercicio59
	// Variables
	Definir valor Como Real;
	Definir contador Como Entero;
	Definir v Como Real;
	Definir i, j, posicionMenor Como Entero;
	Definir menor Como Real;
	Definir k Como Entero;
	Dimension v[20];

	// Ingreso de los 20 números, cada uno guardado en el vector
	Para contador <- 1 Hasta 20 Con Paso 1 Hacer
		Escribir "Ingrese";
		Leer valor;
		v[contador] <- valor;
	FinPara

	// Orden ascendente por selección: en cada pasada se busca el menor
	// de v[i] a v[20] y se lo intercambia con v[i]
	Para i <- 1 Hasta 19 Con Paso 1 Hacer
		menor <- v[i];
		posicionMenor <- i;
		Para j <- i + 1 Hasta 20 Con Paso 1 Hacer
			Si v[j] < menor Entonces
				menor <- v[j];
				posicionMenor <- j;
			FinSi
		FinPara
		// Intercambio de v[i] con el menor encontrado
		v[posicionMenor] <- v[i];
		v[i] <- menor;
	FinPara

	// Resultados
	Escribir Sin Saltar "Vector: ";
	Para k <- 1 Hasta 20 Con Paso 1 Hacer
		Escribir Sin Saltar " ", v[k];
	FinPara
	Escribir "";
FinAlgoritmo
