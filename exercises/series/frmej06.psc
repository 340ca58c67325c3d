Algoritmo Ejercicio06
	// Variables
	Definir i Como Entero;
	Definir valor Como Real;
	Definir cantPositivos, cantNegativos Como Entero;

	// Cantidades en 0
	cantPositivos <- 0;
	cantNegativos <- 0;

	// Ingreso de los 15 números
	Para i <- 1 Hasta 15 Hacer
		Escribir "Ingrese";
		Leer valor;
		// Se cuenta el número en su clase
		// Atención: el 0 se cuenta con los positivos
		Si valor >= 0 Entonces
			cantPositivos <- cantPositivos + 1;
		SiNo
			cantNegativos <- cantNegativos + 1;
		FinSi
	FinPara

	// Resultados (una clase sin números muestra un aviso)
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
