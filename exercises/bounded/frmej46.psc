Algoritmo Ejercicio46
	// Variables
	Definir contador, cantPares, cantPositivos Como Entero;
	Definir valor, sumaPares, sumaPositivos Como Real;
	Definir serieTerminada Como Logico;

	// Inicio
	contador <- 0;
	cantPares <- 0;
	sumaPares <- 0;
	cantPositivos <- 0;
	sumaPositivos <- 0;
	serieTerminada <- Falso;

	// Ingreso de la serie: termina con 0 (que no se cuenta) y tiene más de 9 y menos de 16 números
	Mientras NO serieTerminada Hacer
		Escribir "Ingrese";
		Leer valor;
		// Se vuelve a pedir mientras no sea un número entero
		Mientras valor <> trunc(valor) Hacer
			Escribir "El valor ", valor, " no es lo pedido";
			Escribir "Ingrese";
			Leer valor;
		FinMientras
		// El 0 termina la serie sólo cuando ya tiene más de 9 números (10 o más)
		Si valor = 0 Y contador <= 9 Entonces
			Escribir "Debe completar la cantidad mínima";
		FinSi
		Si valor = 0 Y contador > 9 Entonces
			serieTerminada <- Verdadero;
		FinSi
		// Con 15 números (menos de 16) la serie está llena: sólo se acepta el 0
		Si valor <> 0 Y contador = 15 Entonces
			Escribir "Ya completó el máximo de la serie. Ingrese 0";
		FinSi
		// Número aceptado: se cuenta; puede estar con los pares, con los positivos, con los dos o con ninguno
		Si valor <> 0 Y contador < 15 Entonces
			contador <- contador + 1;
			// Si es par, se cuenta y se suma con los pares (-4 MOD 2 da 0: un negativo también puede ser par)
			Si valor MOD 2 = 0 Entonces
				cantPares <- cantPares + 1;
				sumaPares <- sumaPares + valor;
			FinSi
			// Si es positivo, se cuenta y se suma con los positivos
			Si valor > 0 Entonces
				cantPositivos <- cantPositivos + 1;
				sumaPositivos <- sumaPositivos + valor;
			FinSi
		FinSi
	FinMientras

	// Resultados: si una clase no tiene números, se muestra el aviso en su lugar
	Si cantPares = 0 Entonces
		Escribir "Cantidad Par: ", "No ingresó N° par";
		Escribir "Suma Par: ", "No ingresó N° par";
	SiNo
		Escribir "Cantidad Par: ", cantPares;
		Escribir "Suma Par: ", sumaPares;
	FinSi
	Si cantPositivos = 0 Entonces
		Escribir "Cantidad Positivo: ", "No ingresó N° positivo";
		Escribir "Suma Positivo: ", "No ingresó N° positivo";
	SiNo
		Escribir "Cantidad Positivo: ", cantPositivos;
		Escribir "Suma Positivo: ", sumaPositivos;
	FinSi
FinAlgoritmo
