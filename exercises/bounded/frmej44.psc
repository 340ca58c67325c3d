Algoritmo Ejercicio44
	// Variables
	Definir contador, cantPares, ordenMayorPar Como Entero;
	Definir valor, mayorPar Como Real;
	Definir serieTerminada Como Logico;

	// Inicio
	contador <- 0;
	cantPares <- 0;
	serieTerminada <- Falso;

	// Ingreso de la serie: termina con 0 (que no se cuenta) y tiene más de 8 y menos de 17 números
	Mientras NO serieTerminada Hacer
		Escribir "Ingrese";
		Leer valor;
		// Se vuelve a pedir mientras sea negativo o no sea entero (el 0 pasa: marca el fin de la serie)
		Mientras valor < 0 O valor <> trunc(valor) Hacer
			Escribir "El valor ", valor, " no es lo pedido";
			Escribir "Ingrese";
			Leer valor;
		FinMientras
		// El 0 termina la serie sólo cuando ya tiene más de 8 números (9 o más)
		Si valor = 0 Y contador <= 8 Entonces
			Escribir "Debe completar la cantidad mínima";
		FinSi
		Si valor = 0 Y contador > 8 Entonces
			serieTerminada <- Verdadero;
		FinSi
		// Con 16 números (menos de 17) la serie está llena: sólo se acepta el 0
		Si valor <> 0 Y contador = 16 Entonces
			Escribir "Ya completó el máximo de la serie. Ingrese 0";
		FinSi
		// Número aceptado: se cuenta; su orden de ingreso es el contador
		Si valor <> 0 Y contador < 16 Entonces
			contador <- contador + 1;
			// Si es par, se cuenta con los pares
			Si valor MOD 2 = 0 Entonces
				cantPares <- cantPares + 1;
			FinSi
			// El primer par, o un par mayor que el mayor, pasa a ser el mayor par (con un empate queda el primero)
			// Atención: su orden es la posición en toda la serie, contando también los impares
			Si valor MOD 2 = 0 Y (cantPares = 1 O valor > mayorPar) Entonces
				mayorPar <- valor;
				ordenMayorPar <- contador;
			FinSi
		FinSi
	FinMientras

	// Resultados: si una clase no tiene números, se muestra el aviso en su lugar
	Si cantPares = 0 Entonces
		Escribir "Mayor: ", "No ingresó N° par";
		Escribir "Orden: ", "No ingresó N° par";
	SiNo
		Escribir "Mayor: ", mayorPar;
		Escribir "Orden: ", ordenMayorPar;
	FinSi
FinAlgoritmo
