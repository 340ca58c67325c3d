Algoritmo Ejercicio22
	// Variables del ejercicio
	Definir valor, contador, copia Como Real;
	Definir cantPares, sumaPares, promedioPares Como Real;
	
	// Inicio
	contador <- 0;
	cantPares <- 0;
	sumaPares <- 0;
	promedioPares <- 0;
	
	// Ingreso de los 14 números
	Mientras contador < 14 Hacer
		Escribir "Ingrese";
		Leer valor;
		// Se descarta lo que no es pedido: un número negativo o con decimales
		Si valor < 0 O valor <> trunc(valor) Entonces
			Escribir "El valor ", valor, " no es lo pedido";
		SiNo
			contador <- contador + 1;
			// Paridad por restas sucesivas
			copia <- valor;
			Mientras copia >= 2 Hacer
				copia <- copia - 2;
			FinMientras
			// Si es par, se cuenta, se suma y se promedia
			Si copia = 0 Entonces
				cantPares <- cantPares + 1;
				sumaPares <- sumaPares + valor;
				promedioPares <- sumaPares / cantPares;
			FinSi
		FinSi
	FinMientras
	
	// Resultados
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
