Algoritmo Ejercicio35
	// Variables del ejercicio
	Definir valor, contador, copia Como Real;
	Definir cantImpares, sumaImpares, promedioImpares Como Real;
	Definir cantNegativos, sumaNegativos, promedioNegativos Como Real;
	
	// Inicio
	contador <- 0;
	cantImpares <- 0;
	sumaImpares <- 0;
	promedioImpares <- 0;
	cantNegativos <- 0;
	sumaNegativos <- 0;
	promedioNegativos <- 0;
	
	// Ingreso de los 13 números
	Mientras contador < 13 Hacer
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
			// Si es negativo (el 0 cuenta como negativo), se cuenta, se suma y se promedia
			Si valor <= 0 Entonces
				cantNegativos <- cantNegativos + 1;
				sumaNegativos <- sumaNegativos + valor;
				promedioNegativos <- sumaNegativos / cantNegativos;
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
	// Resultados de los negativos
	Si cantNegativos = 0 Entonces
		Escribir "Cantidad Negativo: ", "No ingresó N° negativo";
		Escribir "Suma Negativo: ", "No ingresó N° negativo";
		Escribir "Promedio Negativo: ", "No ingresó N° negativo";
	SiNo
		Escribir "Cantidad Negativo: ", cantNegativos;
		Escribir "Suma Negativo: ", sumaNegativos;
		Escribir "Promedio Negativo: ", promedioNegativos;
	FinSi
FinAlgoritmo
