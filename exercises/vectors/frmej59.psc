Algoritmo Ejercicio59
	// Variables del ejercicio
	Definir valor, contador Como Real;
	Definir v Como Real;
	Definir j, menor, posicionMenor Como Real;
	Dimension v[20];
	
	// Inicio
	contador <- 0;
	j <- 0;
	menor <- 0;
	posicionMenor <- 0;
	
	// Ingreso de los 20 números
	Mientras contador < 20 Hacer
		Escribir "Ingrese";
		Leer valor;
		// Se guarda en el vector, en el lugar de su orden de ingreso
		contador <- contador + 1;
		v[contador] <- valor;
	FinMientras
	
	// Orden ascendente por selección: cada pasada lleva el menor al lugar del contador
	Para contador <- 1 Hasta 19 Con Paso 1 Hacer
		Para j <- contador Hasta 20 Con Paso 1 Hacer
			// El primero de la pasada, o uno menor que el menor, pasa a ser el menor
			Si j = contador O v[j] < menor Entonces
				menor <- v[j];
				posicionMenor <- j;
			FinSi
		FinPara
		// Intercambio
		v[posicionMenor] <- v[contador];
		v[contador] <- menor;
	FinPara
	
	// Resultados
	Escribir Sin Saltar "Vector: ";
	Para j <- 1 Hasta 20 Con Paso 1 Hacer
		Escribir Sin Saltar " ", v[j];
	FinPara
	Escribir "";
FinAlgoritmo
