Algoritmo Ejercicio10
	// Variables
	Definir i Como Entero;
	Definir valor Como Real;
	Definir cantPositivos Como Entero;
	Definir sumaPositivos, promedioPositivos Como Real;
	Definir cantNegativos Como Entero;
	Definir sumaNegativos, promedioNegativos Como Real;

	// Cantidades y sumas en 0
	cantPositivos <- 0;
	sumaPositivos <- 0;
	cantNegativos <- 0;
	sumaNegativos <- 0;

	// Ingreso de los 17 números
	Para i <- 1 Hasta 17 Hacer
		Escribir "Ingreso";
		Leer valor;
		// Se cuenta y se suma el número en su clase
		// Atención: el 0 se cuenta con los negativos
		Si valor > 0 Entonces
			cantPositivos <- cantPositivos + 1;
			sumaPositivos <- sumaPositivos + valor;
		SiNo
			cantNegativos <- cantNegativos + 1;
			sumaNegativos <- sumaNegativos + valor;
		FinSi
	FinPara

	// Promedios: sólo de la clase que tiene números
	Si cantPositivos > 0 Entonces
		promedioPositivos <- sumaPositivos / cantPositivos;
	FinSi
	Si cantNegativos > 0 Entonces
		promedioNegativos <- sumaNegativos / cantNegativos;
	FinSi

	// Resultados (una clase sin números muestra un aviso)
	Si cantPositivos = 0 Entonces
		Escribir "Cantidad de Positivos: ", "No ingresó N° positivo";
		Escribir "Suma de Positivos: ", "No ingresó N° positivo";
		Escribir "Promedio de Positivos: ", "No ingresó N° positivo";
	SiNo
		Escribir "Cantidad de Positivos: ", cantPositivos;
		Escribir "Suma de Positivos: ", sumaPositivos;
		Escribir "Promedio de Positivos: ", promedioPositivos;
	FinSi
	Si cantNegativos = 0 Entonces
		Escribir "Cantidad de Negativos: ", "No ingresó N° negativo";
		Escribir "Suma de Negativos: ", "No ingresó N° negativo";
		Escribir "Promedio de Negativos: ", "No ingresó N° negativo";
	SiNo
		Escribir "Cantidad de Negativos: ", cantNegativos;
		Escribir "Suma de Negativos: ", sumaNegativos;
		Escribir "Promedio de Negativos: ", promedioNegativos;
	FinSi
FinAlgoritmo
