Algoritmo Ejercicio43
	// Variables del ejercicio
	Definir valor, contador, copia Como Real;
	Definir cantImpares, sumaImpares, promedioImpares Como Real;
	
	// Inicio
	contador <- 0;
	cantImpares <- 0;
	sumaImpares <- 0;
	promedioImpares <- 0;
	
	// Ingreso de la serie: termina con 0 y tiene más de 11 y menos de 18 números
	Repetir
		Escribir "Ingrese";
		Leer valor;
		// Se descarta lo que es negativo o no es un número entero
		Si valor < 0 O valor <> trunc(valor) Entonces
			Escribir "El valor ", valor, " no es lo pedido";
		SiNo
			Si valor = 0 Entonces
				// El 0 cierra la serie sólo si ya tiene más de 11 números
				Si contador <= 11 Entonces
					Escribir "Debe completar la cantidad mínima";
				FinSi
			SiNo
				// Con 17 números la serie está llena: sólo se acepta el 0
				Si contador = 17 Entonces
					Escribir "Ya completó el máximo de la serie. Ingrese 0";
				SiNo
					// Se cuenta el número
					contador <- contador + 1;
					// Paridad por restas sucesivas
					copia <- valor;
					Mientras copia >= 2 Hacer
						copia <- copia - 2;
					FinMientras
					// Si es impar: cantidad, suma y promedio de los impares
					Si copia = 1 Entonces
						cantImpares <- cantImpares + 1;
						sumaImpares <- sumaImpares + valor;
						promedioImpares <- sumaImpares / cantImpares;
					FinSi
				FinSi
			FinSi
		FinSi
	Hasta Que valor = 0 Y contador > 11;
	
	// Resultados
	Si cantImpares = 0 Entonces
		Escribir "Cantidad : ", "No ingresó N° impar";
		Escribir "Suma : ", "No ingresó N° impar";
		Escribir "Promedio: ", "No ingresó N° impar";
	SiNo
		Escribir "Cantidad : ", cantImpares;
		Escribir "Suma : ", sumaImpares;
		Escribir "Promedio: ", promedioImpares;
	FinSi
FinAlgoritmo
