Algoritmo Ejercicio33
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
	
	// Ingreso de los 12 números
	Mientras contador < 12 Hacer
		Escribir "Ingrese";
		Leer valor;
		// Se descarta lo que no es pedido: un número con decimales
		Si valor <> trunc(valor) Entonces
			Escribir "El valor ", valor, " no es lo pedido";
		SiNo
			contador <- contador + 1;
			// Paridad por restas sucesivas, sobre el valor absoluto
			copia <- abs(valor);
			Mientras copia >= 2 Hacer
				copia <- copia - 2;
			FinMientras
			// Si es impar, se cuenta, se suma y se promedia
			Si copia = 1 Entonces
				cantImpares <- cantImpares + 1;
				sumaImpares <- sumaImpares + valor;
				promedioImpares <- sumaImpares / cantImpares;
			FinSi
			// Si es positivo (el 0 cuenta como positivo), se cuenta, se suma y se promedia
			Si valor >= 0 Entonces
				cantPositivos <- cantPositivos + 1;
				sumaPositivos <- sumaPositivos + valor;
				promedioPositivos <- sumaPositivos / cantPositivos;
			FinSi
		FinSi
	FinMientras
	
	// Resultados de los impares
	Si cantImpares = 0 Entonces
		Escribir "Cantidad Impar: ", "No ingresó N° impar";
		Escribir "Suma Impar: ", "No ingresó N° impar";
		Escribir "Promedio Impar: ", "No ingresó N° impar";
	SiNo
		Escribir "Cantidad Impar: ", cantImpares;
		Escribir "Suma Impar: ", sumaImpares;
		Escribir "Promedio Impar: ", promedioImpares;
	FinSi
	// Resultados de los positivos
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
