Algoritmo Ejercicio57
	// Variables
	Definir valor Como Real;
	Definir contador Como Entero;
	Definir v Como Real;
	Definir cantPares Como Entero;
	Definir sumaPares, promedioPares Como Real;
	Definir cantPositivos Como Entero;
	Definir sumaPositivos, promedioPositivos Como Real;
	Definir k Como Entero;
	Dimension v[16];

	// Ingreso de los 16 números enteros, cada uno guardado en el vector
	contador <- 0;
	Mientras contador < 16 Hacer
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

	// Cantidad y suma de los pares y de los positivos del vector
	// Atención: el 0 se cuenta con los pares y también con los positivos
	cantPares <- 0;
	sumaPares <- 0;
	cantPositivos <- 0;
	sumaPositivos <- 0;
	Para k <- 1 Hasta 16 Con Paso 1 Hacer
		// Par: el resto es 0 (también en un negativo par, como -4)
		Si v[k] MOD 2 = 0 Entonces
			cantPares <- cantPares + 1;
			sumaPares <- sumaPares + v[k];
		FinSi
		Si v[k] >= 0 Entonces
			cantPositivos <- cantPositivos + 1;
			sumaPositivos <- sumaPositivos + v[k];
		FinSi
	FinPara

	// Promedios, sólo de las clases que tienen algún número
	Si cantPares > 0 Entonces
		promedioPares <- sumaPares / cantPares;
	FinSi
	Si cantPositivos > 0 Entonces
		promedioPositivos <- sumaPositivos / cantPositivos;
	FinSi

	// Resultados
	Escribir Sin Saltar "Vector: ";
	Para k <- 1 Hasta 16 Con Paso 1 Hacer
		Escribir Sin Saltar " ", v[k];
	FinPara
	Escribir "";
	Si cantPares = 0 Entonces
		Escribir "Cantidad Par: ", "No ingresó N° par";
		Escribir "Suma Par: ", "No ingresó N° par";
		Escribir "Promedio Par: ", "No ingresó N° par";
	SiNo
		Escribir "Cantidad Par: ", cantPares;
		Escribir "Suma Par: ", sumaPares;
		Escribir "Promedio Par: ", promedioPares;
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
