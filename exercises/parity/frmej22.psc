Algoritmo Ejercicio22
	// Variables
	Definir valor Como Real;
	Definir contador Como Entero;
	Definir cantPares Como Entero;
	Definir sumaPares, promedioPares Como Real;

	// Contador, cantidades y sumas en 0
	contador <- 0;
	cantPares <- 0;
	sumaPares <- 0;

	// Ingreso de los 14 números
	Mientras contador < 14 Hacer
		Escribir "Ingrese";
		Leer valor;
		// Se rechaza el número negativo o con decimales
		// Atención: el 0 se acepta, y es par
		Si valor < 0 O valor <> trunc(valor) Entonces
			Escribir "El valor ", valor, " no es lo pedido";
		SiNo
			// Se cuenta el número aceptado
			contador <- contador + 1;
			// Si es par, se cuenta y se suma
			Si valor MOD 2 = 0 Entonces
				cantPares <- cantPares + 1;
				sumaPares <- sumaPares + valor;
			FinSi
		FinSi
	FinMientras

	// Promedio de los pares, sólo si hay alguno
	Si cantPares > 0 Entonces
		promedioPares <- sumaPares / cantPares;
	FinSi

	// Resultados
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
