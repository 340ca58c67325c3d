Algoritmo Ejercicio29
	// Variables del ejercicio
	Definir valor, contador, copia Como Real;
	Definir cantImpares, sumaImpares Como Real;
	Definir cantPositivos, sumaPositivos Como Real;
	
	// Inicio
	contador <- 0;
	cantImpares <- 0;
	sumaImpares <- 0;
	cantPositivos <- 0;
	sumaPositivos <- 0;
	
	// Ingreso de los 16 números
	Mientras contador < 16 Hacer
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
			// Si es impar, se cuenta y se suma
			Si copia = 1 Entonces
				cantImpares <- cantImpares + 1;
				sumaImpares <- sumaImpares + valor;
			FinSi
			// Si es positivo (el 0 cuenta como positivo), se cuenta y se suma
			Si valor >= 0 Entonces
				cantPositivos <- cantPositivos + 1;
				sumaPositivos <- sumaPositivos + valor;
			FinSi
		FinSi
	FinMientras
	
	// Resultados de los impares
	Si cantImpares = 0 Entonces
		Escribir "Cantidad Impar: ", "No ingresó N° impar";
		Escribir "Suma Impar: ", "No ingresó N° impar";
	SiNo
		Escribir "Cantidad Impar: ", cantImpares;
		Escribir "Suma Impar: ", sumaImpares;
	FinSi
	// Resultados de los positivos
	Si cantPositivos = 0 Entonces
		Escribir "Cantidad Positivo: ", "No ingresó N° positivo";
		Escribir "Suma Positivo: ", "No ingresó N° positivo";
	SiNo
		Escribir "Cantidad Positivo: ", cantPositivos;
		Escribir "Suma Positivo: ", sumaPositivos;
	FinSi
FinAlgoritmo
