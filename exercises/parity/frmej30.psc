Algoritmo Ejercicio30
	// Variables del ejercicio
	Definir valor, contador, copia Como Real;
	Definir cantPares, sumaPares Como Real;
	Definir cantNegativos, sumaNegativos Como Real;
	
	// Inicio
	contador <- 0;
	cantPares <- 0;
	sumaPares <- 0;
	cantNegativos <- 0;
	sumaNegativos <- 0;
	
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
			// Si es par, se cuenta y se suma
			Si copia = 0 Entonces
				cantPares <- cantPares + 1;
				sumaPares <- sumaPares + valor;
			FinSi
			// Si es negativo (el 0 cuenta como negativo), se cuenta y se suma
			Si valor <= 0 Entonces
				cantNegativos <- cantNegativos + 1;
				sumaNegativos <- sumaNegativos + valor;
			FinSi
		FinSi
	FinMientras
	
	// Resultados de los pares
	Si cantPares = 0 Entonces
		Escribir "Cantidad Par: ", "No ingresó N° par";
		Escribir "Suma Par: ", "No ingresó N° par";
	SiNo
		Escribir "Cantidad Par: ", cantPares;
		Escribir "Suma Par: ", sumaPares;
	FinSi
	// Resultados de los negativos
	Si cantNegativos = 0 Entonces
		Escribir "Cantidad Negativo: ", "No ingresó N° negativo";
		Escribir "Suma Negativo: ", "No ingresó N° negativo";
	SiNo
		Escribir "Cantidad Negativo: ", cantNegativos;
		Escribir "Suma Negativo: ", sumaNegativos;
	FinSi
FinAlgoritmo
