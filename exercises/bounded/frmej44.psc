Algoritmo Ejercicio44
	// Variables del ejercicio
	Definir valor, contador, copia Como Real;
	Definir cantPares, mayorPar, ordenMayorPar Como Real;
	
	// Inicio
	contador <- 0;
	cantPares <- 0;
	mayorPar <- 0;
	ordenMayorPar <- 0;
	
	// Ingreso de la serie: termina con 0 y tiene más de 8 y menos de 17 números
	Repetir
		Escribir "Ingrese";
		Leer valor;
		// Se descarta lo que es negativo o no es un número entero
		Si valor < 0 O valor <> trunc(valor) Entonces
			Escribir "El valor ", valor, " no es lo pedido";
		SiNo
			Si valor = 0 Entonces
				// El 0 cierra la serie sólo si ya tiene más de 8 números
				Si contador <= 8 Entonces
					Escribir "Debe completar la cantidad mínima";
				FinSi
			SiNo
				// Con 16 números la serie está llena: sólo se acepta el 0
				Si contador = 16 Entonces
					Escribir "Ya completó el máximo de la serie. Ingrese 0";
				SiNo
					// Se cuenta el número (los impares también dan orden)
					contador <- contador + 1;
					// Paridad por restas sucesivas
					copia <- valor;
					Mientras copia >= 2 Hacer
						copia <- copia - 2;
					FinMientras
					// Si es par: el primer par, o uno mayor que el mayor, pasa a ser el mayor
					Si copia = 0 Entonces
						cantPares <- cantPares + 1;
						Si cantPares = 1 O valor > mayorPar Entonces
							mayorPar <- valor;
							ordenMayorPar <- contador;
						FinSi
					FinSi
				FinSi
			FinSi
		FinSi
	Hasta Que valor = 0 Y contador > 8;
	
	// Resultados
	Si cantPares = 0 Entonces
		Escribir "Mayor: ", "No ingresó N° par";
		Escribir "Orden: ", "No ingresó N° par";
	SiNo
		Escribir "Mayor: ", mayorPar;
		Escribir "Orden: ", ordenMayorPar;
	FinSi
FinAlgoritmo
