Algoritmo Ejercicio09
	// Variables
	Definir i Como Entero;
	Definir valor Como Real;
	Definir hayPositivos Como Logico;
	Definir menorPositivo Como Real;
	Definir hayNegativos Como Logico;
	Definir mayorNegativo Como Real;

	// Todavía no hay ningún positivo ni ningún negativo
	hayPositivos <- Falso;
	hayNegativos <- Falso;

	// Ingreso de los 20 números
	Para i <- 1 Hasta 20 Hacer
		Escribir "Ingrese";
		Leer valor;
		// Atención: el 0 se cuenta con los positivos, así que el menor de los positivos puede ser 0
		Si valor >= 0 Entonces
			// El primer positivo, o uno menor que el menor, pasa a ser el menor
			Si NO hayPositivos O valor < menorPositivo Entonces
				menorPositivo <- valor;
				hayPositivos <- Verdadero;
			FinSi
		SiNo
			// El primer negativo, o uno mayor que el mayor, pasa a ser el mayor
			Si NO hayNegativos O valor > mayorNegativo Entonces
				mayorNegativo <- valor;
				hayNegativos <- Verdadero;
			FinSi
		FinSi
	FinPara

	// Resultados, en el orden en que los muestra la ventana
	// (una clase sin números muestra un aviso)
	Si hayNegativos Entonces
		Escribir "El Mayor de los Negativos: ", mayorNegativo;
	SiNo
		Escribir "El Mayor de los Negativos: ", "No ingresó N° negativo";
	FinSi
	Si hayPositivos Entonces
		Escribir "El Menor de los Positivos: ", menorPositivo;
	SiNo
		Escribir "El Menor de los Positivos: ", "No ingresó N° positivos";
	FinSi
FinAlgoritmo
