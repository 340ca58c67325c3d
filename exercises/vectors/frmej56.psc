Algoritmo Ejercicio56
	// Variables del ejercicio
	Definir valor, contador Como Real;
	Definir v Como Real;
	Definir copia, cantImpares, sumaImpares, promedioImpares Como Real;
	Definir cantPositivos, sumaPositivos, promedioPositivos Como Real;
	// Índice para mostrar el vector
	Definir k Como Real;
	Dimension v[15];
	
	// Inicio
	contador <- 0;
	copia <- 0;
	cantImpares <- 0;
	sumaImpares <- 0;
	promedioImpares <- 0;
	cantPositivos <- 0;
	sumaPositivos <- 0;
	promedioPositivos <- 0;
	
	// Ingreso de los 15 números enteros
	Mientras contador < 15 Hacer
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
			// Los impares: cantidad, suma y promedio
			Si copia = 1 Entonces
				cantImpares <- cantImpares + 1;
				sumaImpares <- sumaImpares + v[contador];
				promedioImpares <- sumaImpares / cantImpares;
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
	Para k <- 1 Hasta 15 Con Paso 1 Hacer
		Escribir Sin Saltar " ", v[k];
	FinPara
	Escribir "";
	Si cantImpares = 0 Entonces
		Escribir "Cantidad Impar: ", "No ingresó N° impar";
		Escribir "Suma Impar: ", "No ingresó N° impar";
		Escribir "Promedio Impar: ", "No ingresó N° impar";
	SiNo
		Escribir "Cantidad Impar: ", cantImpares;
		Escribir "Suma Impar: ", sumaImpares;
		Escribir "Promedio Impar: ", promedioImpares;
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
