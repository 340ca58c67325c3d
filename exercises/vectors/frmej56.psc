Algoritmo Ejercicio56
	// Variables
	Definir valor Como Real;
	Definir contador Como Entero;
	Definir v Como Real;
	Definir cantImpares Como Entero;
	Definir sumaImpares, promedioImpares Como Real;
	Definir cantPositivos Como Entero;
	Definir sumaPositivos, promedioPositivos Como Real;
	Definir k Como Entero;
	Dimension v[15];

	// Ingreso de los 15 números enteros, cada uno guardado en el vector
	contador <- 0;
	Mientras contador < 15 Hacer
		Escribir "Ingrese";
		Leer valor;
		// Se rechaza el número con decimales
		Si valor <> trunc(valor) Entonces
			Escribir "El valor ", valor, " no es lo pedido";
		SiNo
			contador <- contador + 1;
			v[contador] <- valor;
		FinSi
	FinMientras

	// Cantidad y suma de los impares y de los positivos del vector
	cantImpares <- 0;
	sumaImpares <- 0;
	cantPositivos <- 0;
	sumaPositivos <- 0;
	Para k <- 1 Hasta 15 Con Paso 1 Hacer
		// Impar: el resto no es 0 (en un negativo impar, como -3, el resto es -1)
		Si v[k] MOD 2 <> 0 Entonces
			cantImpares <- cantImpares + 1;
			sumaImpares <- sumaImpares + v[k];
		FinSi
		// Atención: el 0 se cuenta con los positivos
		Si v[k] >= 0 Entonces
			cantPositivos <- cantPositivos + 1;
			sumaPositivos <- sumaPositivos + v[k];
		FinSi
	FinPara

	// Promedios, sólo de las clases que tienen algún número
	Si cantImpares > 0 Entonces
		promedioImpares <- sumaImpares / cantImpares;
	FinSi
	Si cantPositivos > 0 Entonces
		promedioPositivos <- sumaPositivos / cantPositivos;
	FinSi

	// Resultados
	Escribir Sin Saltar "Vector: ";
	Para k <- 1 Hasta 15 Con Paso 1 Hacer
		Escribir Sin Saltar " ", v[k];
	FinPara
	Escribir "";
	Si cantImpares = 0 Entonces
		Escribir "Cantidad Impar: ", "No ingresó N° impar";
		Escribir "Suma Impar: ", "No ingresó N° impar";
		Escribir "Promedio Impar: ", "No ingresó N° impar";
	SiNo
		Escribir "Cantidad Impar: ", cantImpares;
		Escribir "Suma Impar: ", sumaImpares;
		Escribir "Promedio Impar: ", promedioImpares;
	FinSi
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
