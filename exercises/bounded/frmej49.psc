Algoritmo Ejercicio49
	// Variables del ejercicio
	Definir valor, contador, copia Como Real;
	Definir cantImpares, sumaImpares, promedioImpares Como Real;
	Definir cantPositivos, sumaPositivos, promedioPositivos Como Real;
	
	// Inicio
	contador <- 0;
	cantImpares <- 0;
	sumaImpares <- 0;
	promedioImpares <- 0;
	cantPositivos <- 0;
	sumaPositivos <- 0;
	promedioPositivos <- 0;
	
	// Ingreso de la serie: termina con 0 y tiene más de 10 y menos de 18 números
	Repetir
		Escribir "Ingrese";
		Leer valor;
		// Se descarta lo que no es un número entero
		Si valor <> trunc(valor) Entonces
			Escribir "El valor ", valor, " no es lo pedido";
		SiNo
			Si valor = 0 Entonces
				// El 0 cierra la serie sólo si ya tiene más de 10 números
				Si contador <= 10 Entonces
					Escribir "Debe completar la cantidad mínima";
				FinSi
			SiNo
				// Con 17 números la serie está llena: sólo se acepta el 0
				Si contador = 17 Entonces
					Escribir "Ya completó el máximo de la serie. Ingrese 0";
				SiNo
					// Se cuenta el número
					contador <- contador + 1;
					// Paridad por restas sucesivas, sobre el valor sin signo
					copia <- abs(valor);
					Mientras copia >= 2 Hacer
						copia <- copia - 2;
					FinMientras
					// Si es impar: cantidad, suma y promedio de los impares
					Si copia = 1 Entonces
						cantImpares <- cantImpares + 1;
						sumaImpares <- sumaImpares + valor;
						promedioImpares <- sumaImpares / cantImpares;
					FinSi
					// Si es positivo: cantidad, suma y promedio de los positivos
					Si valor > 0 Entonces
						cantPositivos <- cantPositivos + 1;
						sumaPositivos <- sumaPositivos + valor;
						promedioPositivos <- sumaPositivos / cantPositivos;
					FinSi
				FinSi
			FinSi
		FinSi
	Hasta Que valor = 0 Y contador > 10;
	
	// Resultados
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
