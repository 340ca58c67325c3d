Algoritmo Ejercicio60
	// Variables del ejercicio
	Definir valor, contador Como Real;
	Definir v Como Real;
	Definir j, mayor, posicionMayor Como Real;
	Dimension v[13];
	
	// Inicio
	contador <- 0;
	j <- 0;
	mayor <- 0;
	posicionMayor <- 0;
	
	// Ingreso de los 13 números
	Mientras contador < 13 Hacer
		Escribir "Ingrese";
		Leer valor;
		// Se guarda en el vector, en el lugar de su orden de ingreso
		contador <- contador + 1;
		v[contador] <- valor;
	FinMientras
	
	// Orden descendente por selección: cada pasada lleva el mayor al lugar del contador
	Para contador <- 1 Hasta 12 Con Paso 1 Hacer
		Para j <- contador Hasta 13 Con Paso 1 Hacer
			// El primero de la pasada, o uno mayor que el mayor, pasa a ser el mayor
			Si j = contador O v[j] > mayor Entonces
				mayor <- v[j];
				posicionMayor <- j;
			FinSi
		FinPara
		// Intercambio
		v[posicionMayor] <- v[contador];
		v[contador] <- mayor;
	FinPara
	
	// Resultados
	Escribir Sin Saltar "Vector: ";
	Para j <- 1 Hasta 13 Con Paso 1 Hacer
		Escribir Sin Saltar " ", v[j];
	FinPara
	Escribir "";
FinAlgoritmo
