Algoritmo Ejercicio35
	// Variables
	Definir valor Como Real;
	Definir contador Como Entero;
	Definir cantImpares Como Entero;
	Definir sumaImpares, promedioImpares Como Real;
	Definir cantNegativos Como Entero;
	Definir sumaNegativos, promedioNegativos Como Real;

	// Contador, cantidades y sumas en 0
	contador <- 0;
	cantImpares <- 0;
	sumaImpares <- 0;
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
			// Si es impar, se cuenta y se suma
			// (un negativo impar deja resto -1: se pregunta si el resto no es 0)
			Si valor MOD 2 <> 0 Entonces
				cantImpares <- cantImpares + 1;
				sumaImpares <- sumaImpares + valor;
			FinSi
			// Si es negativo, se cuenta y se suma
			// Atención: el 0 se cuenta con los negativos
			Si valor <= 0 Entonces
				cantNegativos <- cantNegativos + 1;
				sumaNegativos <- sumaNegativos + valor;
			FinSi
		FinSi
	FinMientras

	// Promedio de los impares, sólo si hay alguno
	Si cantImpares > 0 Entonces
		promedioImpares <- sumaImpares / cantImpares;
	FinSi

	// Promedio de los negativos, sólo si hay alguno
	Si cantNegativos > 0 Entonces
		promedioNegativos <- sumaNegativos / cantNegativos;
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
