Algoritmo Ejercicio09
	// Variables del ejercicio
	Definir contador Como Entero;
	Definir valor, cantPositivos, menorPositivo, cantNegativos, mayorNegativo Como Real;

	// Inicio
	contador <- 0;
	cantPositivos <- 0;
	menorPositivo <- 0;
	cantNegativos <- 0;
	mayorNegativo <- 0;

	// Ingreso de los 20 números
	Mientras contador < 20 Hacer
		Escribir "Ingrese";
		Leer valor;
		contador <- contador + 1;
		// El cero va con los positivos
		Si valor >= 0 Entonces
			// Se cuenta el positivo; el primero, o uno menor que el menor, pasa a ser el menor
			cantPositivos <- cantPositivos + 1;
			Si cantPositivos = 1 O valor < menorPositivo Entonces
				menorPositivo <- valor;
			FinSi
		SiNo
			// Se cuenta el negativo; el primero, o uno mayor que el mayor, pasa a ser el mayor
			cantNegativos <- cantNegativos + 1;
			Si cantNegativos = 1 O valor > mayorNegativo Entonces
				mayorNegativo <- valor;
			FinSi
		FinSi
	FinMientras

	// Resultados
	Si cantNegativos = 0 Entonces
		Escribir "El Mayor de los Negativos: ", "No ingresó N° negativo";
	SiNo
		Escribir "El Mayor de los Negativos: ", mayorNegativo;
	FinSi
	Si cantPositivos = 0 Entonces
		Escribir "El Menor de los Positivos: ", "No ingresó N° positivos";
	SiNo
		Escribir "El Menor de los Positivos: ", menorPositivo;
	FinSi
FinAlgoritmo
