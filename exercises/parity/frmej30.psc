Algoritmo Ejercicio30
	// Variables
	Definir valor Como Real;
	Definir contador Como Entero;
	Definir cantPares Como Entero;
	Definir sumaPares Como Real;
	Definir cantNegativos Como Entero;
	Definir sumaNegativos Como Real;

	// Contador, cantidades y sumas en 0
	contador <- 0;
	cantPares <- 0;
	sumaPares <- 0;
	cantNegativos <- 0;
	sumaNegativos <- 0;

	// Ingreso de los 13 números
	Mientras contador < 13 Hacer
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

	// Resultados de los pares
	Si cantPares = 0 Entonces
		Escribir "Cantidad Par: ", "No ingresó N° par";
		Escribir "Suma Par: ", "No ingresó N° par";
	SiNo
		Escribir "Cantidad Par: ", cantPares;
		Escribir "Suma Par: ", sumaPares;
	FinSi

	// Resultados de los negativos
	Si cantNegativos = 0 Entonces
		Escribir "Cantidad Negativo: ", "No ingresó N° negativo";
		Escribir "Suma Negativo: ", "No ingresó N° negativo";
	SiNo
		Escribir "Cantidad Negativo: ", cantNegativos;
		Escribir "Suma Negativo: ", sumaNegativos;
	FinSi
FinAlgoritmo
