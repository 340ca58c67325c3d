Algoritmo Ejercicio34
	// Variables del ejercicio
	Definir valor, contador, copia Como Real;
	Definir cantPares, sumaPares, promedioPares Como Real;
	Definir cantNegativos, sumaNegativos, promedioNegativos Como Real;
	
	// Inicio
	contador <- 0;
	cantPares <- 0;
	sumaPares <- 0;
	promedioPares <- 0;
	cantNegativos <- 0;
	sumaNegativos <- 0;
	promedioNegativos <- 0;
	
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
			// Si es par, se cuenta, se suma y se promedia
			Si copia = 0 Entonces
				cantPares <- cantPares + 1;
				sumaPares <- sumaPares + valor;
				promedioPares <- sumaPares / cantPares;
			FinSi
			// Si es negativo (el 0 cuenta como negativo), se cuenta, se suma y se promedia
			Si valor <= 0 Entonces
				cantNegativos <- cantNegativos + 1;
				sumaNegativos <- sumaNegativos + valor;
				promedioNegativos <- sumaNegativos / cantNegativos;
			FinSi
		FinSi
	FinMientras
	
	// Resultados de los pares
	Si cantPares = 0 Entonces
		Escribir "Cantidad Par: ", "No ingresó N° par";
		Escribir "Suma Par: ", "No ingresó N° par";
		Escribir "Promedio Par: ", "No ingresó N° par";
	SiNo
		Escribir "Cantidad Par: ", cantPares;
		Escribir "Suma Par: ", sumaPares;
		Escribir "Promedio Par: ", promedioPares;
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
