Algoritmo Ejercicio20
	// Variables del ejercicio
	Definir valor, contador, copia Como Real;
	Definir cantImpares, sumaImpares Como Real;
	
	// Inicio
	contador <- 0;
	cantImpares <- 0;
	sumaImpares <- 0;
	
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
			// Si es impar, se cuenta y se suma
			Si copia = 1 Entonces
				cantImpares <- cantImpares + 1;
				sumaImpares <- sumaImpares + valor;
			FinSi
		FinSi
	FinMientras
	
	// Resultados
	Si cantImpares = 0 Entonces
		Escribir "Cantidad: ", "No ingresó Nº impares";
		Escribir "La Suma de los Nº Impares: ", "No ingresó Nº impares";
	SiNo
		Escribir "Cantidad: ", cantImpares;
		Escribir "La Suma de los Nº Impares: ", sumaImpares;
	FinSi
FinAlgoritmo
