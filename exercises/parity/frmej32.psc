Algoritmo Ejercicio32
	// Variables
	Definir valor Como Real;
	Definir contador Como Entero;
	Definir cantPares Como Entero;
	Definir sumaPares, promedioPares Como Real;
	Definir cantPositivos Como Entero;
	Definir sumaPositivos, promedioPositivos Como Real;

	// Contador, cantidades y sumas en 0
	contador <- 0;
	cantPares <- 0;
	sumaPares <- 0;
	cantPositivos <- 0;
	sumaPositivos <- 0;

	// Ingreso de los 17 números
	Mientras contador < 17 Hacer
		Escribir "Ingrese";
		Leer valor;
		// Se rechaza el número con decimales (los negativos y el 0 se aceptan)
		Si valor <> trunc(valor) Entonces
			Escribir "El valor ", valor, " no es lo pedido";
		SiNo
			// Se cuenta el número aceptado
			contador <- contador + 1;
			// Si es par, se cuenta y se suma (el 0 y los negativos como -4 también son pares)
			Si valor MOD 2 = 0 Entonces
				cantPares <- cantPares + 1;
				sumaPares <- sumaPares + valor;
			FinSi
			// Si es positivo, se cuenta y se suma
			// Atención: el 0 se cuenta con los positivos
			Si valor >= 0 Entonces
				cantPositivos <- cantPositivos + 1;
				sumaPositivos <- sumaPositivos + valor;
			FinSi
		FinSi
	FinMientras

	// Promedio de los pares, sólo si hay alguno
	Si cantPares > 0 Entonces
		promedioPares <- sumaPares / cantPares;
	FinSi

	// Promedio de los positivos, sólo si hay alguno
	Si cantPositivos > 0 Entonces
		promedioPositivos <- sumaPositivos / cantPositivos;
	FinSi

	// Resultados de los pares
	Si cantPares = 0 Entonces
		Escribir "Cantidad Par: ", "No ingresó N° par";
		Escribir "Suma Par: ", "No ingresó N° par";
		Escribir "Promedio Par: ", "No ingresó N° par";
	SiNo
		Escribir "Cantidad Par: ", cantPares;
		Escribir "Suma Par: ", sumaPares;
		Escribir "Promedio Par: ", promedioPares;
	FinSi

	// Resultados de los positivos
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
