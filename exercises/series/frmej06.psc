Algoritmo Ejercicio06
	// Variables del ejercicio
	Definir contador Como Entero;
	Definir valor, cantPositivos, cantNegativos Como Real;

	// Inicio
	contador <- 0;
	cantPositivos <- 0;
	cantNegativos <- 0;

	// Ingreso de los 15 números
	Mientras contador < 15 Hacer
		Escribir "Ingrese";
		Leer valor;
		contador <- contador + 1;
		// Se cuenta cada número en su clase; el cero va con los positivos
		Si valor >= 0 Entonces
			cantPositivos <- cantPositivos + 1;
		SiNo
			cantNegativos <- cantNegativos + 1;
		FinSi
	FinMientras

	// Resultados
	Si cantPositivos = 0 Entonces
		Escribir "Cantidad de números Positivos: ", "No ingresó N° positivo";
	SiNo
		Escribir "Cantidad de números Positivos: ", cantPositivos;
	FinSi
	Si cantNegativos = 0 Entonces
		Escribir "Cantidad de números Negativos: ", "No ingresó N° negativo";
	SiNo
		Escribir "Cantidad de números Negativos: ", cantNegativos;
	FinSi
FinAlgoritmo
