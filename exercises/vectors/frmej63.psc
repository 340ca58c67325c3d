Algoritmo Ejercicio63
	// Variables del ejercicio
	Definir valor, contador, v Como Real;
	Definir j, copia Como Real;
	Definir cantPares, mayorPar Como Real;
	Definir cantPositivos, menorPositivo Como Real;
	Definir menor, posicionMenor Como Real;
	// Índice para recorrer el vector
	Definir k Como Real;
	Dimension v[24];
	
	// Inicio
	contador <- 0;
	cantPares <- 0;
	mayorPar <- 0;
	cantPositivos <- 0;
	menorPositivo <- 0;
	menor <- 0;
	posicionMenor <- 0;
	
	// Ingreso de los 24 números enteros, cada uno guardado en el vector
	Mientras contador < 24 Hacer
		Escribir "Ingrese";
		Leer valor;
		// Se descarta lo que no es entero
		Si valor <> trunc(valor) Entonces
			Escribir "El valor ", valor, " no es lo pedido";
		SiNo
			contador <- contador + 1;
			v[contador] <- valor;
		FinSi
	FinMientras
	
	// Ordenamiento ascendente por selección: en cada pasada
	// el menor de los que quedan pasa a la posición contador
	Para contador <- 1 Hasta 23 Con Paso 1 Hacer
		Para j <- contador Hasta 24 Con Paso 1 Hacer
			Si j = contador O v[j] < menor Entonces
				menor <- v[j];
				posicionMenor <- j;
			FinSi
		FinPara
		v[posicionMenor] <- v[contador];
		v[contador] <- menor;
	FinPara
	
	// Mayor de los pares del vector ordenado
	Para k <- 1 Hasta 24 Con Paso 1 Hacer
		// Paridad por restas sucesivas
		copia <- abs(v[k]);
		Mientras copia >= 2 Hacer
			copia <- copia - 2;
		FinMientras
		Si copia = 0 Entonces
			cantPares <- cantPares + 1;
			Si cantPares = 1 O v[k] > mayorPar Entonces
				mayorPar <- v[k];
			FinSi
		FinSi
	FinPara
	
	// Menor de los positivos (el 0 cuenta como positivo)
	Para k <- 1 Hasta 24 Con Paso 1 Hacer
		Si v[k] >= 0 Entonces
			cantPositivos <- cantPositivos + 1;
			Si cantPositivos = 1 O v[k] < menorPositivo Entonces
				menorPositivo <- v[k];
			FinSi
		FinSi
	FinPara
	
	// Resultados
	Escribir Sin Saltar "Vector: ";
	Para k <- 1 Hasta 24 Con Paso 1 Hacer
		Escribir Sin Saltar " ", v[k];
	FinPara
	Escribir "";
	Si cantPares = 0 Entonces
		Escribir "Mayor Par: ", "No ingresó N° par";
	SiNo
		Escribir "Mayor Par: ", mayorPar;
	FinSi
	Si cantPositivos = 0 Entonces
		Escribir "Menor Positivo: ", "No ingresó N° positivo";
	SiNo
		Escribir "Menor Positivo: ", menorPositivo;
	FinSi
FinAlgoritmo
