Algoritmo Ejercicio41
	// Variables del ejercicio
	Definir valor, contador, copia Como Real;
	Definir cantPares, sumaPares Como Real;
	
	// Inicio
	contador <- 0;
	cantPares <- 0;
	sumaPares <- 0;
	
	// Ingreso de la serie: termina con 0 y tiene más de 10 y menos de 16 números
	Repetir
		Escribir "Ingrese";
		Leer valor;
		// Se descarta lo que es negativo o no es un número entero
		Si valor < 0 O valor <> trunc(valor) Entonces
			Escribir "El valor ", valor, " no es lo pedido";
		SiNo
			Si valor = 0 Entonces
				// El 0 cierra la serie sólo si ya tiene más de 10 números
				Si contador <= 10 Entonces
					Escribir "Debe completar la cantidad mínima";
				FinSi
			SiNo
				// Con 15 números la serie está llena: sólo se acepta el 0
				Si contador = 15 Entonces
					Escribir "Ya completó el máximo de la serie. Ingrese 0";
				SiNo
					// Se cuenta el número
					contador <- contador + 1;
					// Paridad por restas sucesivas
					copia <- valor;
					Mientras copia >= 2 Hacer
						copia <- copia - 2;
					FinMientras
					// Si es par: cantidad y suma de los pares
					Si copia = 0 Entonces
						cantPares <- cantPares + 1;
						sumaPares <- sumaPares + valor;
					FinSi
				FinSi
			FinSi
		FinSi
	Hasta Que valor = 0 Y contador > 10;
	
	// Resultados
	Si cantPares = 0 Entonces
		Escribir "Cantidad : ", "No ingresó N° par";
		Escribir "Suma: ", "No ingresó N° par";
	SiNo
		Escribir "Cantidad : ", cantPares;
		Escribir "Suma: ", sumaPares;
	FinSi
FinAlgoritmo
