Algoritmo Ejercicio53
	// Variables
	Definir valor Como Real;
	Definir contador Como Entero;
	Definir v Como Real;
	Definir cantPares Como Entero;
	Definir sumaPares, promedioPares Como Real;
	Definir k Como Entero;
	Dimension v[18];

	// Ingreso de los 18 números enteros, cada uno guardado en el vector
	contador <- 0;
	Mientras contador < 18 Hacer
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

	// Cantidad y suma de los pares del vector (el 0 y los negativos como -4 también)
	cantPares <- 0;
	sumaPares <- 0;
	Para k <- 1 Hasta 18 Con Paso 1 Hacer
		Si v[k] MOD 2 = 0 Entonces
			cantPares <- cantPares + 1;
			sumaPares <- sumaPares + v[k];
		FinSi
	FinPara

	// Promedio de los pares, sólo si hay alguno
	Si cantPares > 0 Entonces
		promedioPares <- sumaPares / cantPares;
	FinSi

	// Resultados
	Escribir Sin Saltar "Vector: ";
	Para k <- 1 Hasta 18 Con Paso 1 Hacer
		Escribir Sin Saltar " ", v[k];
	FinPara
	Escribir "";
	Si cantPares = 0 Entonces
		Escribir "Cantidad: ", "No ingresó N° pares";
		Escribir "Suma: ", "No ingresó N° pares";
		Escribir "Promedio: ", "No ingresó N° pares";
	SiNo
		Escribir "Cantidad: ", cantPares;
		Escribir "Suma: ", sumaPares;
		Escribir "Promedio: ", promedioPares;
	FinSi
FinAlgoritmo
