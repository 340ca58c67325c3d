Algoritmo Ejercicio11
	// Variables
	Definir i Como Entero;
	Definir valor Como Real;
	Definir hayPositivos Como Logico;
	Definir mayorPositivo Como Real;
	Definir hayNegativos Como Logico;
	Definir menorNegativo Como Real;

	// Todavía no hay ningún positivo ni ningún negativo
	hayPositivos <- Falso;
	hayNegativos <- Falso;

	// Ingreso de los 11 números
	Para i <- 1 Hasta 11 Hacer
		Escribir "Ingrese";
		Leer valor;
		// Atención: el 0 se cuenta con los positivos
		Si valor >= 0 Entonces
			// El primer positivo, o uno mayor que el mayor, pasa a ser el mayor
			Si NO hayPositivos O valor > mayorPositivo Entonces
				mayorPositivo <- valor;
				hayPositivos <- Verdadero;
			FinSi
		SiNo
			// El primer negativo, o uno menor que el menor, pasa a ser el menor
			Si NO hayNegativos O valor < menorNegativo Entonces
				menorNegativo <- valor;
				hayNegativos <- Verdadero;
			FinSi
		FinSi
	FinPara

	// Resultados, en el orden en que los muestra la ventana
	// (una clase sin números muestra un aviso)
	Si hayNegativos Entonces
		Escribir "El Menor de los Negativos: ", menorNegativo;
	SiNo
		Escribir "El Menor de los Negativos: ", "No ingresó N° negativo";
	FinSi
	Si hayPositivos Entonces
		Escribir "El Mayor de los Positivos: ", mayorPositivo;
	SiNo
		Escribir "El Mayor de los Positivos: ", "No ingresó N° positivo";
	FinSi
FinAlgoritmo
