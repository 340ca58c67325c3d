Algoritmo Ejercicio57
	// Variables del ejercicio
	Definir valor, contador Como Real;
	Definir v Como Real;
	Definir copia, cantPares, sumaPares, promedioPares Como Real;
	Definir cantPositivos, sumaPositivos, promedioPositivos Como Real;
	// Índice para mostrar el vector
	Definir k Como Real;
	Dimension v[16];
	
	// Inicio
	contador <- 0;
	copia <- 0;
	cantPares <- 0;
	sumaPares <- 0;
	promedioPares <- 0;
	cantPositivos <- 0;
	sumaPositivos <- 0;
	promedioPositivos <- 0;
	
	// Ingreso de los 16 números enteros
	Mientras contador < 16 Hacer
		Escribir "Ingrese";
		Leer valor;
		// Se descarta lo que no es entero
		Si valor <> trunc(valor) Entonces
			Escribir "El valor ", valor, " no es lo pedido";
		SiNo
			// Se guarda en el vector, en el lugar de su orden de ingreso
			contador <- contador + 1;
			v[contador] <- valor;
			// Paridad por restas sucesivas, sobre el valor sin signo
			copia <- abs(v[contador]);
			Mientras copia >= 2 Hacer
				copia <- copia - 2;
			FinMientras
			// Los pares (el 0 es par): cantidad, suma y promedio
			Si copia = 0 Entonces
				cantPares <- cantPares + 1;
				sumaPares <- sumaPares + v[contador];
				promedioPares <- sumaPares / cantPares;
			FinSi
			// Los positivos (el 0 se cuenta como positivo): cantidad, suma y promedio
			Si v[contador] >= 0 Entonces
				cantPositivos <- cantPositivos + 1;
				sumaPositivos <- sumaPositivos + v[contador];
				promedioPositivos <- sumaPositivos / cantPositivos;
			FinSi
		FinSi
	FinMientras
	
	// Resultados
	Escribir Sin Saltar "Vector: ";
	Para k <- 1 Hasta 16 Con Paso 1 Hacer
		Escribir Sin Saltar " ", v[k];
	FinPara
	Escribir "";
	Si cantPares = 0 Entonces
		Escribir "Cantidad Par: ", "No ingresó N° par";
		Escribir "Suma Par: ", "No ingresó N° par";
		Escribir "Promedio Par: ", "No ingresó N° par";
	SiNo
		Escribir "Cantidad Par: ", cantPares;
		Escribir "Suma Par: ", sumaPares;
		Escribir "Promedio Par: ", promedioPares;
	FinSi
	Si cantPositivos = 0 Entonces
		Escribir "Cantidad Positivo: ", "No ingresó N° positivo";
		Escribir "Suma Positivo: ", "No ingresó N° positivo";
		Escribir "Promedio Positivo: ", "No ingresó N° positivo";
	SiNo
		Escribir "Cantidad Positivo: ", cantPositivos;
		Escribir "Suma Positivo: ", sumaPositivos;
		Escribir "Promedio Positivo: ", promedioPositivos;
	FinSi
FinAlgoritmo
