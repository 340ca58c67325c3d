Algoritmo Ejercicio23
	// Variables del ejercicio
	Definir valor, contador, copia Como Real;
	Definir cantImpares, sumaImpares, promedioImpares Como Real;
	
	// Inicio
	contador <- 0;
	cantImpares <- 0;
	sumaImpares <- 0;
	promedioImpares <- 0;
	
	// Ingreso de los 17 números
	Mientras contador < 17 Hacer
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
			// Si es impar, se cuenta, se suma y se promedia
			Si copia = 1 Entonces
				cantImpares <- cantImpares + 1;
				sumaImpares <- sumaImpares + valor;
				promedioImpares <- sumaImpares / cantImpares;
			FinSi
		FinSi
	FinMientras
	
	// Resultados
	Si cantImpares = 0 Entonces
		Escribir "Cantidad: ", "No ingresó N° impar";
		Escribir "Suma: ", "No ingresó N° impar";
		Escribir "Promedio: ", "No ingresó N° impar";
	SiNo
		Escribir "Cantidad: ", cantImpares;
		Escribir "Suma: ", sumaImpares;
		Escribir "Promedio: ", promedioImpares;
	FinSi
FinAlgoritmo
