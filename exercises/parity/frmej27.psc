Algoritmo Ejercicio27
	// Variables del ejercicio
	Definir valor, contador, copia Como Real;
	Definir cantPares, cantImpares Como Real;
	Definir menorPar, ordenMenorPar Como Real;
	Definir mayorImpar, ordenMayorImpar Como Real;
	
	// Inicio
	contador <- 0;
	cantPares <- 0;
	cantImpares <- 0;
	menorPar <- 0;
	ordenMenorPar <- 0;
	mayorImpar <- 0;
	ordenMayorImpar <- 0;
	
	// Ingreso de los 14 números
	Mientras contador < 14 Hacer
		Escribir "Ingrese";
		Leer valor;
		// Se descarta lo que no es pedido: un número negativo o con decimales
		Si valor < 0 O valor <> trunc(valor) Entonces
			Escribir "El valor ", valor, " no es lo pedido";
		SiNo
			contador <- contador + 1;
			// Paridad por restas sucesivas
			copia <- valor;
			Mientras copia >= 2 Hacer
				copia <- copia - 2;
			FinMientras
			// Resto 0: es par; si no, es impar
			Si copia = 0 Entonces
				cantPares <- cantPares + 1;
				// El primero, o uno menor que el menor, pasa a ser el menor con su orden
				Si cantPares = 1 O valor < menorPar Entonces
					menorPar <- valor;
					ordenMenorPar <- contador;
				FinSi
			SiNo
				cantImpares <- cantImpares + 1;
				// El primero, o uno mayor que el mayor, pasa a ser el mayor con su orden
				Si cantImpares = 1 O valor > mayorImpar Entonces
					mayorImpar <- valor;
					ordenMayorImpar <- contador;
				FinSi
			FinSi
		FinSi
	FinMientras
	
	// Resultados de los pares
	Si cantPares = 0 Entonces
		Escribir "Menor Par: ", "No ingresó N° par";
		Escribir "Orden Par: ", "No ingresó N° par";
	SiNo
		Escribir "Menor Par: ", menorPar;
		Escribir "Orden Par: ", ordenMenorPar;
	FinSi
	// Resultados de los impares
	Si cantImpares = 0 Entonces
		Escribir "Mayor Impar: ", "No ingresó N° impar";
		Escribir "Orden Impar: ", "No ingresó N° impar";
	SiNo
		Escribir "Mayor Impar: ", mayorImpar;
		Escribir "Orden Impar: ", ordenMayorImpar;
	FinSi
FinAlgoritmo
