Algoritmo Ejercicio11
	// Variables del ejercicio
	Definir contador Como Entero;
	Definir valor, cantPositivos, mayorPositivo, cantNegativos, menorNegativo Como Real;

	// Inicio
	contador <- 0;
	cantPositivos <- 0;
	mayorPositivo <- 0;
	cantNegativos <- 0;
	menorNegativo <- 0;

	// Ingreso de los 11 números
	Mientras contador < 11 Hacer
		Escribir "Ingrese";
		Leer valor;
		contador <- contador + 1;
		// El cero va con los positivos
		Si valor >= 0 Entonces
			// Se cuenta el positivo; el primero, o uno mayor que el mayor, pasa a ser el mayor
			cantPositivos <- cantPositivos + 1;
			Si cantPositivos = 1 O valor > mayorPositivo Entonces
				mayorPositivo <- valor;
			FinSi
		SiNo
			// Se cuenta el negativo; el primero, o uno menor que el menor, pasa a ser el menor
			cantNegativos <- cantNegativos + 1;
			Si cantNegativos = 1 O valor < menorNegativo Entonces
				menorNegativo <- valor;
			FinSi
		FinSi
	FinMientras

	// Resultados
	Si cantNegativos = 0 Entonces
		Escribir "El Menor de los Negativos: ", "No ingresó N° negativo";
	SiNo
		Escribir "El Menor de los Negativos: ", menorNegativo;
	FinSi
	Si cantPositivos = 0 Entonces
		Escribir "El Mayor de los Positivos: ", "No ingresó N° positivo";
	SiNo
		Escribir "El Mayor de los Positivos: ", mayorPositivo;
	FinSi
FinAlgoritmo
