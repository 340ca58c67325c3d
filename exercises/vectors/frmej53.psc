Algoritmo Ejercicio53
	// Variables del ejercicio
	Definir valor, contador Como Real;
	Definir v Como Real;
	Definir copia, cantPares, sumaPares, promedioPares Como Real;
	// Índice para mostrar el vector
	Definir k Como Real;
	Dimension v[18];
	
	// Inicio
	contador <- 0;
	copia <- 0;
	cantPares <- 0;
	sumaPares <- 0;
	promedioPares <- 0;
	
	// Ingreso de los 18 números enteros
	Mientras contador < 18 Hacer
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
			// Los pares: cantidad, suma y promedio
			Si copia = 0 Entonces
				cantPares <- cantPares + 1;
				sumaPares <- sumaPares + v[contador];
				promedioPares <- sumaPares / cantPares;
			FinSi
		FinSi
	FinMientras
	
	// Resultados
	Escribir Sin Saltar "Vector: ";
	Para k <- 1 Hasta 18 Con Paso 1 Hacer
		Escribir Sin Saltar " ", v[k];
	FinPara
	Escribir "";
	Si cantPares = 0 Entonces
		Escribir "Cantidad: ", "No ingresó N° pares";
		Escribir "Suma: ", "No ingresó N° pares";
		Escribir "Promedio: ", "No ingresó N° pares";
	SiNo
		Escribir "Cantidad: ", cantPares;
		Escribir "Suma: ", sumaPares;
		Escribir "Promedio: ", promedioPares;
	FinSi
FinAlgoritmo
