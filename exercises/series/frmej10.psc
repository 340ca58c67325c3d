Algoritmo Ejercicio10
	// Variables del ejercicio
	Definir contador Como Entero;
	Definir valor, cantPositivos, sumaPositivos, promedioPositivos Como Real;
	Definir cantNegativos, sumaNegativos, promedioNegativos Como Real;

	// Inicio
	contador <- 0;
	cantPositivos <- 0;
	sumaPositivos <- 0;
	promedioPositivos <- 0;
	cantNegativos <- 0;
	sumaNegativos <- 0;
	promedioNegativos <- 0;

	// Ingreso de los 17 números
	Mientras contador < 17 Hacer
		Escribir "Ingreso";
		Leer valor;
		contador <- contador + 1;
		// El cero va con los negativos
		Si valor > 0 Entonces
			// Se cuenta, se suma y se recalcula el promedio de los positivos
			cantPositivos <- cantPositivos + 1;
			sumaPositivos <- sumaPositivos + valor;
			promedioPositivos <- sumaPositivos / cantPositivos;
		SiNo
			// Se cuenta, se suma y se recalcula el promedio de los negativos
			cantNegativos <- cantNegativos + 1;
			sumaNegativos <- sumaNegativos + valor;
			promedioNegativos <- sumaNegativos / cantNegativos;
		FinSi
	FinMientras

	// Resultados: primero la columna de los positivos, después la de los negativos
	Si cantPositivos = 0 Entonces
		Escribir "Cantidad Positivos: ", "No ingresó N° positivo";
		Escribir "Suma Positivos: ", "No ingresó N° positivo";
		Escribir "Promedio Positivos: ", "No ingresó N° positivo";
	SiNo
		Escribir "Cantidad Positivos: ", cantPositivos;
		Escribir "Suma Positivos: ", sumaPositivos;
		Escribir "Promedio Positivos: ", promedioPositivos;
	FinSi
	Si cantNegativos = 0 Entonces
		Escribir "Cantidad Negativos: ", "No ingresó N° negativo";
		Escribir "Suma Negativos: ", "No ingresó N° negativo";
		Escribir "Promedio Negativos: ", "No ingresó N° negativo";
	SiNo
		Escribir "Cantidad Negativos: ", cantNegativos;
		Escribir "Suma Negativos: ", sumaNegativos;
		Escribir "Promedio Negativos: ", promedioNegativos;
	FinSi
FinAlgoritmo
