Algoritmo Ejercicio21
	// Variables
	Definir valor Como Real;
	Definir contador Como Entero;
	Definir cantPares Como Entero;
	Definir sumaPares Como Real;
	Definir cantImpares Como Entero;
	Definir sumaImpares Como Real;

	// Contador, cantidades y sumas en 0
	contador <- 0;
	cantPares <- 0;
	sumaPares <- 0;
	cantImpares <- 0;
	sumaImpares <- 0;

	// Ingreso de los 12 números
	Mientras contador < 12 Hacer
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

	// Resultados de los pares
	Si cantPares = 0 Entonces
		Escribir "Cantidad de N° pares: ", "No ingresó N° pares";
		Escribir "Suma de N° pares: ", "No ingresó N° pares";
	SiNo
		Escribir "Cantidad de N° pares: ", cantPares;
		Escribir "Suma de N° pares: ", sumaPares;
	FinSi

	// Resultados de los impares
	Si cantImpares = 0 Entonces
		Escribir "Cantidad de N° impares: ", "No ingresó N° impares";
		Escribir "Suma de N° impares: ", "No ingresó N° impares";
	SiNo
		Escribir "Cantidad de N° impares: ", cantImpares;
		Escribir "Suma de N° impares: ", sumaImpares;
	FinSi
FinAlgoritmo
