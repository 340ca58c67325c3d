Algoritmo Ejercicio24
	// Variables del ejercicio
	Definir valor, contador, copia Como Real;
	Definir cantPares, sumaPares, promedioPares Como Real;
	Definir cantImpares, sumaImpares, promedioImpares Como Real;
	
	// Inicio
	contador <- 0;
	cantPares <- 0;
	sumaPares <- 0;
	promedioPares <- 0;
	cantImpares <- 0;
	sumaImpares <- 0;
	promedioImpares <- 0;
	
	// Ingreso de los 13 números
	Mientras contador < 13 Hacer
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
			// Resto 0: es par; si no, es impar
			Si copia = 0 Entonces
				cantPares <- cantPares + 1;
				sumaPares <- sumaPares + valor;
				promedioPares <- sumaPares / cantPares;
			SiNo
				cantImpares <- cantImpares + 1;
				sumaImpares <- sumaImpares + valor;
				promedioImpares <- sumaImpares / cantImpares;
			FinSi
		FinSi
	FinMientras
	
	// Resultados de los pares
	Si cantPares = 0 Entonces
		Escribir "Cantidad N° Pares: ", "No ingresó N° pares";
		Escribir "Suma N° Pares: ", "No ingresó N° pares";
		Escribir "Promedio N° Pares: ", "No ingresó N° pares";
	SiNo
		Escribir "Cantidad N° Pares: ", cantPares;
		Escribir "Suma N° Pares: ", sumaPares;
		Escribir "Promedio N° Pares: ", promedioPares;
	FinSi
	// Resultados de los impares
	Si cantImpares = 0 Entonces
		Escribir "Cantidad N° Impares: ", "No ingresó N° impares";
		Escribir "Suma N° Impares: ", "No ingresó N° impares";
		Escribir "Promedio N° Impares: ", "No ingresó N° impares";
	SiNo
		Escribir "Cantidad N° Impares: ", cantImpares;
		Escribir "Suma N° Impares: ", sumaImpares;
		Escribir "Promedio N° Impares: ", promedioImpares;
	FinSi
FinAlgoritmo
