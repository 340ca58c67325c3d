Algoritmo Ejercicio12
	// Variables
	Definir i Como Entero;
	Definir valor Como Real;
	Definir cantPositivos Como Entero;
	Definir sumaPositivos, promedioPositivos Como Real;
	Definir cantNegativos Como Entero;
	Definir sumaNegativos, promedioNegativos Como Real;
	Definir suma, promedio Como Real;

	// Cantidades y sumas en 0
	cantPositivos <- 0;
	sumaPositivos <- 0;
	cantNegativos <- 0;
	sumaNegativos <- 0;
	suma <- 0;

	// Ingreso de los 18 números
	Para i <- 1 Hasta 18 Hacer
		Escribir "Ingrese";
		Leer valor;
		// Se acumula en la suma de todos
		suma <- suma + valor;
		// Se cuenta y se suma el número en su clase
		// Atención: el 0 se cuenta con los positivos
		Si valor >= 0 Entonces
			cantPositivos <- cantPositivos + 1;
			sumaPositivos <- sumaPositivos + valor;
		SiNo
			cantNegativos <- cantNegativos + 1;
			sumaNegativos <- sumaNegativos + valor;
		FinSi
	FinPara

	// Promedios: el de todos, y el de cada clase sólo si tiene números
	promedio <- suma / 18;
	Si cantPositivos > 0 Entonces
		promedioPositivos <- sumaPositivos / cantPositivos;
	FinSi
	Si cantNegativos > 0 Entonces
		promedioNegativos <- sumaNegativos / cantNegativos;
	FinSi

	// Resultados, en el orden en que los muestra la ventana
	// (una clase sin números muestra un aviso)
	Escribir "El Promedio de los N° Ingresados: ", promedio;
	Si cantNegativos = 0 Entonces
		Escribir "El Promedio de los N° Negativos: ", "No ingresó N° negativo";
	SiNo
		Escribir "El Promedio de los N° Negativos: ", promedioNegativos;
	FinSi
	Si cantPositivos = 0 Entonces
		Escribir "El Promedio de los N° Positivos: ", "No ingresó N° positivo";
	SiNo
		Escribir "El Promedio de los N° Positivos: ", promedioPositivos;
	FinSi
FinAlgoritmo
