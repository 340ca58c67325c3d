Algoritmo Ejercicio25
	// Variables del ejercicio
	Definir valor, contador, copia Como Real;
	Definir cantPares, mayorPar, ordenMayorPar Como Real;
	
	// Inicio
	contador <- 0;
	cantPares <- 0;
	mayorPar <- 0;
	ordenMayorPar <- 0;
	
	// Ingreso de los 19 números
	Mientras contador < 19 Hacer
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
			// Si es par, se cuenta
			Si copia = 0 Entonces
				cantPares <- cantPares + 1;
				// El primero, o uno mayor que el mayor, pasa a ser el mayor con su orden
				Si cantPares = 1 O valor > mayorPar Entonces
					mayorPar <- valor;
					ordenMayorPar <- contador;
				FinSi
			FinSi
		FinSi
	FinMientras
	
	// Resultados
	Si cantPares = 0 Entonces
		Escribir "Mayor: ", "No ingresó N° pares";
		Escribir "Orden de ingreso: ", "No ingresó N° pares";
	SiNo
		Escribir "Mayor: ", mayorPar;
		Escribir "Orden de ingreso: ", ordenMayorPar;
	FinSi
FinAlgoritmo
