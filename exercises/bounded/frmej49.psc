Algoritmo Ejercicio49
	// Variables
	Definir contador, cantImpares, cantPositivos Como Entero;
	Definir valor, sumaImpares, promedioImpares, sumaPositivos, promedioPositivos Como Real;
	Definir serieTerminada Como Logico;

	// Inicio
	contador <- 0;
	cantImpares <- 0;
	sumaImpares <- 0;
	cantPositivos <- 0;
	sumaPositivos <- 0;
	serieTerminada <- Falso;

	// Ingreso de la serie: termina con 0 (que no se cuenta) y tiene más de 10 y menos de 18 números
	Mientras NO serieTerminada Hacer
		Escribir "Ingrese";
		Leer valor;
		// Se vuelve a pedir mientras no sea un número entero
		Mientras valor <> trunc(valor) Hacer
			Escribir "El valor ", valor, " no es lo pedido";
			Escribir "Ingrese";
			Leer valor;
		FinMientras
		// El 0 termina la serie sólo cuando ya tiene más de 10 números (11 o más)
		Si valor = 0 Y contador <= 10 Entonces
			Escribir "Debe completar la cantidad mínima";
		FinSi
		Si valor = 0 Y contador > 10 Entonces
			serieTerminada <- Verdadero;
		FinSi
		// Con 17 números (menos de 18) la serie está llena: sólo se acepta el 0
		Si valor <> 0 Y contador = 17 Entonces
			Escribir "Ya completó el máximo de la serie. Ingrese 0";
		FinSi
		// Número aceptado: se cuenta; puede estar con los impares, con los positivos, con los dos o con ninguno
		Si valor <> 0 Y contador < 17 Entonces
			contador <- contador + 1;
			// Si es impar, se cuenta y se suma con los impares (-3 MOD 2 da -1: por eso se pregunta distinto de 0)
			Si valor MOD 2 <> 0 Entonces
				cantImpares <- cantImpares + 1;
				sumaImpares <- sumaImpares + valor;
			FinSi
			// Si es positivo, se cuenta y se suma con los positivos
			Si valor > 0 Entonces
				cantPositivos <- cantPositivos + 1;
				sumaPositivos <- sumaPositivos + valor;
			FinSi
		FinSi
	FinMientras

	// Promedios, sólo de las clases que tienen números
	Si cantImpares > 0 Entonces
		promedioImpares <- sumaImpares / cantImpares;
	FinSi
	Si cantPositivos > 0 Entonces
		promedioPositivos <- sumaPositivos / cantPositivos;
	FinSi

	// Resultados: si una clase no tiene números, se muestra el aviso en su lugar
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
