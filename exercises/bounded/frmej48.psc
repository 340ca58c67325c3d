Algoritmo Ejercicio48
	// Variables del ejercicio
	Definir valor, contador, copia Como Real;
	Definir cantImpares, sumaImpares Como Real;
	Definir cantNegativos, sumaNegativos Como Real;
	
	// Inicio
	contador <- 0;
	cantImpares <- 0;
	sumaImpares <- 0;
	cantNegativos <- 0;
	sumaNegativos <- 0;
	
	// Ingreso de la serie: termina con 0 y tiene más de 5 y menos de 15 números
	Repetir
		Escribir "Ingrese";
		Leer valor;
		// Se descarta lo que no es un número entero
		Si valor <> trunc(valor) Entonces
			Escribir "El valor ", valor, " no es lo pedido";
		SiNo
			Si valor = 0 Entonces
				// El 0 cierra la serie sólo si ya tiene más de 5 números
				Si contador <= 5 Entonces
					Escribir "Debe completar la cantidad mínima";
				FinSi
			SiNo
				// Con 14 números la serie está llena: sólo se acepta el 0
				Si contador = 14 Entonces
					Escribir "Ya completó el máximo de la serie. Ingrese 0";
				SiNo
					// Se cuenta el número
					contador <- contador + 1;
					// Paridad por restas sucesivas, sobre el valor sin signo
					copia <- abs(valor);
					Mientras copia >= 2 Hacer
						copia <- copia - 2;
					FinMientras
					// Si es impar: cantidad y suma de los impares
					Si copia = 1 Entonces
						cantImpares <- cantImpares + 1;
						sumaImpares <- sumaImpares + valor;
					FinSi
					// Si es negativo: cantidad y suma de los negativos
					Si valor < 0 Entonces
						cantNegativos <- cantNegativos + 1;
						sumaNegativos <- sumaNegativos + valor;
					FinSi
				FinSi
			FinSi
		FinSi
	Hasta Que valor = 0 Y contador > 5;
	
	// Resultados
	Si cantImpares = 0 Entonces
		Escribir "Cantidad Impar: ", "No ingresó N° impar";
		Escribir "Suma Impar: ", "No ingresó N° impar";
	SiNo
		Escribir "Cantidad Impar: ", cantImpares;
		Escribir "Suma Impar: ", sumaImpares;
	FinSi
	Si cantNegativos = 0 Entonces
		Escribir "Cantidad Negativo: ", "No ingresó N° negativo";
		Escribir "Suma Negativo: ", "No ingresó N° negativo";
	SiNo
		Escribir "Cantidad Negativo: ", cantNegativos;
		Escribir "Suma Negativo: ", sumaNegativos;
	FinSi
FinAlgoritmo
