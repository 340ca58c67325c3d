Algoritmo Ejercicio41
	// Variables
	Definir contador, cantPares Como Entero;
	Definir valor, sumaPares Como Real;
	Definir serieTerminada Como Logico;

	// Inicio
	contador <- 0;
	cantPares <- 0;
	sumaPares <- 0;
	serieTerminada <- Falso;

	// Ingreso de la serie: termina con 0 (que no se cuenta) y tiene más de 10 y menos de 16 números
	Mientras NO serieTerminada Hacer
		Escribir "Ingrese";
		Leer valor;
		// Se vuelve a pedir mientras sea negativo o no sea entero (el 0 pasa: marca el fin de la serie)
		Mientras valor < 0 O valor <> trunc(valor) Hacer
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
		// Con 15 números (menos de 16) la serie está llena: sólo se acepta el 0
		Si valor <> 0 Y contador = 15 Entonces
			Escribir "Ya completó el máximo de la serie. Ingrese 0";
		FinSi
		// Número aceptado: se cuenta (los impares sólo alargan la serie)
		Si valor <> 0 Y contador < 15 Entonces
			contador <- contador + 1;
			// Si es par, se cuenta y se suma con los pares
			Si valor MOD 2 = 0 Entonces
				cantPares <- cantPares + 1;
				sumaPares <- sumaPares + valor;
			FinSi
		FinSi
	FinMientras

	// Resultados: si una clase no tiene números, se muestra el aviso en su lugar
	Si cantPares = 0 Entonces
		Escribir "Cantidad: ", "No ingresó N° par";
		Escribir "Suma: ", "No ingresó N° par";
	SiNo
		Escribir "Cantidad: ", cantPares;
		Escribir "Suma: ", sumaPares;
	FinSi
FinAlgoritmo
