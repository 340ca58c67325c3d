Algoritmo Ejercicio24
	// Variables
	Definir valor Como Real;
	Definir contador Como Entero;
	Definir cantPares Como Entero;
	Definir sumaPares, promedioPares Como Real;
	Definir cantImpares Como Entero;
	Definir sumaImpares, promedioImpares Como Real;

	// Contador, cantidades y sumas en 0
	contador <- 0;
	cantPares <- 0;
	sumaPares <- 0;
	cantImpares <- 0;
	sumaImpares <- 0;

	// Ingreso de los 13 números
	Mientras contador < 13 Hacer
		Escribir "Ingrese";
		Leer valor;
		// Se rechaza el número negativo o con decimales
		// Atención: el 0 se acepta, y es par
		Si valor < 0 O valor <> trunc(valor) Entonces
			Escribir "El valor ", valor, " no es lo pedido";
		SiNo
			// Se cuenta el número aceptado
			contador <- contador + 1;
			// Si es par, se cuenta y se suma con los pares; si no, con los impares
			Si valor MOD 2 = 0 Entonces
				cantPares <- cantPares + 1;
				sumaPares <- sumaPares + valor;
			SiNo
				cantImpares <- cantImpares + 1;
				sumaImpares <- sumaImpares + valor;
			FinSi
		FinSi
	FinMientras

	// Promedio de los pares, sólo si hay alguno
	Si cantPares > 0 Entonces
		promedioPares <- sumaPares / cantPares;
	FinSi

	// Promedio de los impares, sólo si hay alguno
	Si cantImpares > 0 Entonces
		promedioImpares <- sumaImpares / cantImpares;
	FinSi

	// Resultados de los pares
	Si cantPares = 0 Entonces
		Escribir "Cantidad N° Pares: ", "No ingresó N° pares";
		Escribir "Suma N° Pares: ", "No ingresó N° pares";
		Escribir "Promedio N° Pares: ", "No ingresó N° pares";
	SiNo
		Escribir "Cantidad N° Pares: ", cantPares;
		Escribir "Suma N° Pares: ", sumaPares;
		Escribir "Promedio N° Pares: ", promedioPares;
	FinSi

	// Resultados de los impares
	Si cantImpares = 0 Entonces
		Escribir "Cantidad N° Impares: ", "No ingresó N° impares";
		Escribir "Suma N° Impares: ", "No ingresó N° impares";
		Escribir "Promedio N° Impares: ", "No ingresó N° impares";
	SiNo
		Escribir "Cantidad N° Impares: ", cantImpares;
		Escribir "Suma N° Impares: ", sumaImpares;
		Escribir "Promedio N° Impares: ", promedioImpares;
	FinSi
FinAlgoritmo
