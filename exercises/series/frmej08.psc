Algoritmo Ejercicio08
	// Variables del ejercicio
	Definir contador Como Entero;
	Definir valor, cantPositivos, sumaPositivos, cantNegativos, mayorNegativo Como Real;

	// Inicio
	contador <- 0;
	cantPositivos <- 0;
	sumaPositivos <- 0;
	cantNegativos <- 0;
	mayorNegativo <- 0;

	// Ingreso de los 12 números
	Mientras contador < 12 Hacer
		Escribir "Ingrese";
		Leer valor;
		contador <- contador + 1;
		// El cero va con los positivos
		Si valor >= 0 Entonces
			// Se cuenta y se suma el positivo
			cantPositivos <- cantPositivos + 1;
			sumaPositivos <- sumaPositivos + valor;
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
		Escribir "El Mayor de los Negativos: ", "No ingresó N° negativos";
	SiNo
		Escribir "El Mayor de los Negativos: ", mayorNegativo;
	FinSi
	Si cantPositivos = 0 Entonces
		Escribir "La Suma de los Positivos: ", "No ingresó N° positivos";
	SiNo
		Escribir "La Suma de los Positivos: ", sumaPositivos;
	FinSi
FinAlgoritmo
