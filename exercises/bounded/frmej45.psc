Algoritmo Ejercicio45
	// Variables del ejercicio
	Definir valor, contador, copia Como Real;
	Definir cantPares, menorPar, ordenMenorPar Como Real;
	Definir cantImpares, mayorImpar, ordenMayorImpar Como Real;
	
	// Inicio
	contador <- 0;
	cantPares <- 0;
	menorPar <- 0;
	ordenMenorPar <- 0;
	cantImpares <- 0;
	mayorImpar <- 0;
	ordenMayorImpar <- 0;
	
	// Ingreso de la serie: termina con 0 y tiene más de 7 y menos de 13 números
	Repetir
		Escribir "Ingrese";
		Leer valor;
		// Se descarta lo que es negativo o no es un número entero
		Si valor < 0 O valor <> trunc(valor) Entonces
			Escribir "El valor ", valor, " no es lo pedido";
		SiNo
			Si valor = 0 Entonces
				// El 0 cierra la serie sólo si ya tiene más de 7 números
				Si contador <= 7 Entonces
					Escribir "Debe completar la cantidad mínima";
				FinSi
			SiNo
				// Con 12 números la serie está llena: sólo se acepta el 0
				Si contador = 12 Entonces
					Escribir "Ya completó el máximo de la serie. Ingrese 0";
				SiNo
					// Se cuenta el número
					contador <- contador + 1;
					// Paridad por restas sucesivas
					copia <- valor;
					Mientras copia >= 2 Hacer
						copia <- copia - 2;
					FinMientras
					// Par: el primero, o uno menor, es el menor par; impar: el primero, o uno mayor, es el mayor impar
					Si copia = 0 Entonces
						cantPares <- cantPares + 1;
						Si cantPares = 1 O valor < menorPar Entonces
							menorPar <- valor;
							ordenMenorPar <- contador;
						FinSi
					SiNo
						cantImpares <- cantImpares + 1;
						Si cantImpares = 1 O valor > mayorImpar Entonces
							mayorImpar <- valor;
							ordenMayorImpar <- contador;
						FinSi
					FinSi
				FinSi
			FinSi
		FinSi
	Hasta Que valor = 0 Y contador > 7;
	
	// Resultados
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
