Algoritmo Ejercicio54
	// Variables del ejercicio
	Definir valor, contador Como Real;
	Definir v Como Real;
	Definir copia, cantImpares, menorImpar, ordenMenorImpar Como Real;
	// Índice para mostrar el vector
	Definir k Como Real;
	Dimension v[14];
	
	// Inicio
	contador <- 0;
	copia <- 0;
	cantImpares <- 0;
	menorImpar <- 0;
	ordenMenorImpar <- 0;
	
	// Ingreso de los 14 números enteros y positivos
	Mientras contador < 14 Hacer
		Escribir "Ingrese";
		Leer valor;
		// Se descarta lo negativo y lo que no es entero
		Si valor < 0 O valor <> trunc(valor) Entonces
			Escribir "El valor ", valor, " no es lo pedido";
		SiNo
			// Se guarda en el vector, en el lugar de su orden de ingreso
			contador <- contador + 1;
			v[contador] <- valor;
			// Paridad por restas sucesivas
			copia <- abs(v[contador]);
			Mientras copia >= 2 Hacer
				copia <- copia - 2;
			FinMientras
			// Los impares: el primero, o uno menor que el menor, pasa a ser el menor
			Si copia = 1 Entonces
				cantImpares <- cantImpares + 1;
				Si cantImpares = 1 O v[contador] < menorImpar Entonces
					menorImpar <- v[contador];
					ordenMenorImpar <- contador;
				FinSi
			FinSi
		FinSi
	FinMientras
	
	// Resultados
	Escribir Sin Saltar "Vector: ";
	Para k <- 1 Hasta 14 Con Paso 1 Hacer
		Escribir Sin Saltar " ", v[k];
	FinPara
	Escribir "";
	Si cantImpares = 0 Entonces
		Escribir "Menor: ", "No ingresó N° impar";
		Escribir "Orden: ", "No ingresó N° impar";
	SiNo
		Escribir "Menor: ", menorImpar;
		Escribir "Orden: ", ordenMenorImpar;
	FinSi
FinAlgoritmo
