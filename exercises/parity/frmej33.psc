Algoritmo Ejercicio33
	// Variables
	Definir valor Como Real;
	Definir contador Como Entero;
	Definir cantImpares Como Entero;
	Definir sumaImpares, promedioImpares Como Real;
	Definir cantPositivos Como Entero;
	Definir sumaPositivos, promedioPositivos Como Real;

	// Contador, cantidades y sumas en 0
	contador <- 0;
	cantImpares <- 0;
	sumaImpares <- 0;
	cantPositivos <- 0;
	sumaPositivos <- 0;

	// Ingreso de los 12 números
	Mientras contador < 12 Hacer
		Escribir "Ingrese";
		Leer valor;
		// Se rechaza el número con decimales (los negativos y el 0 se aceptan)
		Si valor <> trunc(valor) Entonces
			Escribir "El valor ", valor, " no es lo pedido";
		SiNo
			// Se cuenta el número aceptado
			contador <- contador + 1;
			// Si es impar, se cuenta y se suma
			// (un negativo impar deja resto -1: se pregunta si el resto no es 0)
			Si valor MOD 2 <> 0 Entonces
				cantImpares <- cantImpares + 1;
				sumaImpares <- sumaImpares + valor;
			FinSi
			// Si es positivo, se cuenta y se suma
			// Atención: el 0 se cuenta con los positivos
			Si valor >= 0 Entonces
				cantPositivos <- cantPositivos + 1;
				sumaPositivos <- sumaPositivos + valor;
			FinSi
		FinSi
	FinMientras

	// Promedio de los impares, sólo si hay alguno
	Si cantImpares > 0 Entonces
		promedioImpares <- sumaImpares / cantImpares;
	FinSi

	// Promedio de los positivos, sólo si hay alguno
	Si cantPositivos > 0 Entonces
		promedioPositivos <- sumaPositivos / cantPositivos;
	FinSi

	// Resultados de los impares
	Si cantImpares = 0 Entonces
		Escribir "Cantidad Impar: ", "No ingresó N° impar";
		Escribir "Suma Impar: ", "No ingresó N° impar";
		Escribir "Promedio Impar: ", "No ingresó N° impar";
	SiNo
		Escribir "Cantidad Impar: ", cantImpares;
		Escribir "Suma Impar: ", sumaImpares;
		Escribir "Promedio Impar: ", promedioImpares;
	FinSi

	// Resultados de los positivos
	Si cantPositivos = 0 Entonces
		Escribir "Cantidad Positivo: ", "No ingresó N° positivo";
		Escribir "Suma Positivo: ", "No ingresó N° positivo";
		Escribir "Promedio Positivo: ", "No ingresó N° positivo";
	SiNo
		Escribir "Cantidad Positivo: ", cantPositivos;
		Escribir "Suma Positivo: ", sumaPositivos;
		Escribir "Promedio Positivo: ", promedioPositivos;
	FinSi
FinAlgoritmo
