Algoritmo Ejercicio45
	// Variables
	Definir contador, cantPares, ordenMenorPar, cantImpares, ordenMayorImpar Como Entero;
	Definir valor, menorPar, mayorImpar Como Real;
	Definir serieTerminada Como Logico;

	// Inicio
	contador <- 0;
	cantPares <- 0;
	cantImpares <- 0;
	serieTerminada <- Falso;

	// Ingreso de la serie: termina con 0 (que no se cuenta) y tiene más de 7 y menos de 13 números
	Mientras NO serieTerminada Hacer
		Escribir "Ingrese";
		Leer valor;
		// Se vuelve a pedir mientras sea negativo o no sea entero (el 0 pasa: marca el fin de la serie)
		Mientras valor < 0 O valor <> trunc(valor) Hacer
			Escribir "El valor ", valor, " no es lo pedido";
			Escribir "Ingrese";
			Leer valor;
		FinMientras
		// El 0 termina la serie sólo cuando ya tiene más de 7 números (8 o más)
		Si valor = 0 Y contador <= 7 Entonces
			Escribir "Debe completar la cantidad mínima";
		FinSi
		Si valor = 0 Y contador > 7 Entonces
			serieTerminada <- Verdadero;
		FinSi
		// Con 12 números (menos de 13) la serie está llena: sólo se acepta el 0
		Si valor <> 0 Y contador = 12 Entonces
			Escribir "Ya completó el máximo de la serie. Ingrese 0";
		FinSi
		// Número aceptado: se cuenta; su orden de ingreso es el contador
		Si valor <> 0 Y contador < 12 Entonces
			contador <- contador + 1;
			// Se cuenta con los pares o con los impares
			// Atención: cada orden es la posición en toda la serie, no entre los pares o entre los impares
			Si valor MOD 2 = 0 Entonces
				cantPares <- cantPares + 1;
			SiNo
				cantImpares <- cantImpares + 1;
			FinSi
			// El primer par, o un par menor que el menor, pasa a ser el menor par (con un empate queda el primero)
			Si valor MOD 2 = 0 Y (cantPares = 1 O valor < menorPar) Entonces
				menorPar <- valor;
				ordenMenorPar <- contador;
			FinSi
			// El primer impar, o un impar mayor que el mayor, pasa a ser el mayor impar
			Si valor MOD 2 <> 0 Y (cantImpares = 1 O valor > mayorImpar) Entonces
				mayorImpar <- valor;
				ordenMayorImpar <- contador;
			FinSi
		FinSi
	FinMientras

	// Resultados: si una clase no tiene números, se muestra el aviso en su lugar
	Si cantPares = 0 Entonces
		Escribir "Menor Par: ", "No ingresó N° par";
		Escribir "Orden Par: ", "No ingresó N° par";
	SiNo
		Escribir "Menor Par: ", menorPar;
		Escribir "Orden Par: ", ordenMenorPar;
	FinSi
	Si cantImpares = 0 Entonces
		Escribir "Mayor Impar: ", "No ingresó N° impar";
		Escribir "Orden Impar: ", "No ingresó N° impar";
	SiNo
		Escribir "Mayor Impar: ", mayorImpar;
		Escribir "Orden Impar: ", ordenMayorImpar;
	FinSi
FinAlgoritmo
