Algoritmo Ejercicio34
	// Variables
	Definir valor Como Real;
	Definir contador Como Entero;
	Definir cantPares Como Entero;
	Definir sumaPares, promedioPares Como Real;
	Definir cantNegativos Como Entero;
	Definir sumaNegativos, promedioNegativos Como Real;

	// Contador, cantidades y sumas en 0
	contador <- 0;
	cantPares <- 0;
	sumaPares <- 0;
	cantNegativos <- 0;
	sumaNegativos <- 0;

	// Ingreso de los 16 números
	Mientras contador < 16 Hacer
		Escribir "Ingrese";
		Leer valor;
		// Se rechaza el número con decimales (los negativos y el 0 se aceptan)
		Si valor <> trunc(valor) Entonces
			Escribir "El valor ", valor, " no es lo pedido";
		SiNo
			// Se cuenta el número aceptado
			contador <- contador + 1;
			// Si es par, se cuenta y se suma (el 0 y los negativos como -4 también son pares)
			Si valor MOD 2 = 0 Entonces
				cantPares <- cantPares + 1;
				sumaPares <- sumaPares + valor;
			FinSi
			// Si es negativo, se cuenta y se suma
			// Atención: el 0 se cuenta con los negativos
			Si valor <= 0 Entonces
				cantNegativos <- cantNegativos + 1;
				sumaNegativos <- sumaNegativos + valor;
			FinSi
		FinSi
	FinMientras

	// Promedio de los pares, sólo si hay alguno
	Si cantPares > 0 Entonces
		promedioPares <- sumaPares / cantPares;
	FinSi

	// Promedio de los negativos, sólo si hay alguno
	Si cantNegativos > 0 Entonces
		promedioNegativos <- sumaNegativos / cantNegativos;
	FinSi

	// Resultados de los pares
	Si cantPares = 0 Entonces
		Escribir "Cantidad Par: ", "No ingresó N° par";
		Escribir "Suma Par: ", "No ingresó N° par";
		Escribir "Promedio Par: ", "No ingresó N° par";
	SiNo
		Escribir "Cantidad Par: ", cantPares;
		Escribir "Suma Par: ", sumaPares;
		Escribir "Promedio Par: ", promedioPares;
	FinSi

	// Resultados de los negativos
	Si cantNegativos = 0 Entonces
		Escribir "Cantidad Negativo: ", "No ingresó N° negativo";
		Escribir "Suma Negativo: ", "No ingresó N° negativo";
		Escribir "Promedio Negativo: ", "No ingresó N° negativo";
	SiNo
		Escribir "Cantidad Negativo: ", cantNegativos;
		Escribir "Suma Negativo: ", sumaNegativos;
		Escribir "Promedio Negativo: ", promedioNegativos;
	FinSi
FinAlgoritmo
