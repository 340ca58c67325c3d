Algoritmo Ejercicio16
	// Variables del ejercicio
	Definir contador Como Entero;
	Definir valor, cantPositivos, sumaPositivos, promedioPositivos Como Real;
	Definir cantNegativos, sumaNegativos, promedioNegativos Como Real;
	Definir suma, promedio Como Real;

	// Inicio
	contador <- 0;
	cantPositivos <- 0;
	sumaPositivos <- 0;
	promedioPositivos <- 0;
	cantNegativos <- 0;
	sumaNegativos <- 0;
	promedioNegativos <- 0;
	suma <- 0;
	promedio <- 0;

	// Ingreso de los 18 números
	Mientras contador < 18 Hacer
		Escribir "Ingrese";
		Leer valor;
		// Se cuenta el número, se suma y se recalcula el promedio de todos
		contador <- contador + 1;
		suma <- suma + valor;
		promedio <- suma / contador;
		// El cero va con los positivos
		Si valor >= 0 Entonces
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

	// Resultados
	Escribir "La Suma / El Promedio de los N° Ingresados: ", suma;
	Escribir "La Suma / El Promedio de los N° Ingresados: ", promedio;
	Si cantPositivos = 0 Entonces
		Escribir "La Suma / El Promedio de los N° Positivos: ", "No ingresó N° positivo";
		Escribir "La Suma / El Promedio de los N° Positivos: ", "No ingresó N° positivo";
	SiNo
		Escribir "La Suma / El Promedio de los N° Positivos: ", sumaPositivos;
		Escribir "La Suma / El Promedio de los N° Positivos: ", promedioPositivos;
	FinSi
	Si cantNegativos = 0 Entonces
		Escribir "La Suma / El Promedio de los N° Negativos: ", "No ingresó N° negativo";
		Escribir "La Suma / El Promedio de los N° Negativos: ", "No ingresó N° negativo";
	SiNo
		Escribir "La Suma / El Promedio de los N° Negativos: ", sumaNegativos;
		Escribir "La Suma / El Promedio de los N° Negativos: ", promedioNegativos;
	FinSi
FinAlgoritmo
