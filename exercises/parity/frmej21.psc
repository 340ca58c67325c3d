Algoritmo Ejercicio21
	// Variables del ejercicio
	Definir valor, contador, copia Como Real;
	Definir cantPares, sumaPares Como Real;
	Definir cantImpares, sumaImpares Como Real;
	
	// Inicio
	contador <- 0;
	cantPares <- 0;
	sumaPares <- 0;
	cantImpares <- 0;
	sumaImpares <- 0;
	
	// Ingreso de los 12 números
	Mientras contador < 12 Hacer
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
			// Resto 0: es par; si no, es impar
			Si copia = 0 Entonces
				cantPares <- cantPares + 1;
				sumaPares <- sumaPares + valor;
			SiNo
				cantImpares <- cantImpares + 1;
				sumaImpares <- sumaImpares + valor;
			FinSi
		FinSi
	FinMientras
	
	// Resultados de los pares
	Si cantPares = 0 Entonces
		Escribir "Cantidad de N° pares: ", "No ingresó N° pares";
		Escribir "Suma de N° pares: ", "No ingresó N° pares";
	SiNo
		Escribir "Cantidad de N° pares: ", cantPares;
		Escribir "Suma de N° pares: ", sumaPares;
	FinSi
	// Resultados de los impares
	Si cantImpares = 0 Entonces
		Escribir "Cantidad de N° impares: ", "No ingresó N° impares";
		Escribir "Suma de N° impares: ", "No ingresó N° impares";
	SiNo
		Escribir "Cantidad de N° impares: ", cantImpares;
		Escribir "Suma de N° impares: ", sumaImpares;
	FinSi
FinAlgoritmo
