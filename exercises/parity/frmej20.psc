Algoritmo Ejercicio20
	// Variables
	Definir valor Como Real;
	Definir contador Como Entero;
	Definir cantImpares Como Entero;
	Definir sumaImpares Como Real;

	// Contador, cantidades y sumas en 0
	contador <- 0;
	cantImpares <- 0;
	sumaImpares <- 0;

	// Ingreso de los 14 números
	Mientras contador < 14 Hacer
		Escribir "Ingrese";
		Leer valor;
		// Se rechaza el número negativo o con decimales
		// Atención: el 0 se acepta y cuenta en la serie, pero es par: no va con los impares
		Si valor < 0 O valor <> trunc(valor) Entonces
			Escribir "El valor ", valor, " no es lo pedido";
		SiNo
			// Se cuenta el número aceptado
			contador <- contador + 1;
			// Si es impar (el resto de dividirlo por 2 no es 0), se cuenta y se suma
			Si valor MOD 2 <> 0 Entonces
				cantImpares <- cantImpares + 1;
				sumaImpares <- sumaImpares + valor;
			FinSi
		FinSi
	FinMientras

	// Resultados
	Si cantImpares = 0 Entonces
		Escribir "Cantidad: ", "No ingresó Nº impares";
		Escribir "La Suma de los Nº Impares: ", "No ingresó Nº impares";
	SiNo
		Escribir "Cantidad: ", cantImpares;
		Escribir "La Suma de los Nº Impares: ", sumaImpares;
	FinSi
FinAlgoritmo
