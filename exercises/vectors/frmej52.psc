Algoritmo Ejercicio52
	// Variables del ejercicio
	Definir valor, contador Como Real;
	Definir v Como Real;
	Definir cantNegativos, sumaNegativos, promedioNegativos Como Real;
	// Índice para mostrar el vector
	Definir k Como Real;
	Dimension v[18];
	
	// Inicio
	contador <- 0;
	cantNegativos <- 0;
	sumaNegativos <- 0;
	promedioNegativos <- 0;
	
	// Ingreso de los 18 números enteros
	Mientras contador < 18 Hacer
		Escribir "Ingrese";
		Leer valor;
		// Se descarta lo que no es entero
		Si valor <> trunc(valor) Entonces
			Escribir "El valor ", valor, " no es lo pedido";
		SiNo
			// Se guarda en el vector, en el lugar de su orden de ingreso
			contador <- contador + 1;
			v[contador] <- valor;
			// Los negativos (el 0 se cuenta como negativo): cantidad, suma y promedio
			Si v[contador] <= 0 Entonces
				cantNegativos <- cantNegativos + 1;
				sumaNegativos <- sumaNegativos + v[contador];
				promedioNegativos <- sumaNegativos / cantNegativos;
			FinSi
		FinSi
	FinMientras
	
	// Resultados
	Escribir Sin Saltar "Vector: ";
	Para k <- 1 Hasta 18 Con Paso 1 Hacer
		Escribir Sin Saltar " ", v[k];
	FinPara
	Escribir "";
	Si cantNegativos = 0 Entonces
		Escribir "Cantidad: ", "No ingresó N° negativo";
		Escribir "Suma: ", "No ingresó N° negativo";
		Escribir "Promedio: ", "No ingresó N° negativo";
	SiNo
		Escribir "Cantidad: ", cantNegativos;
		Escribir "Suma: ", sumaNegativos;
		Escribir "Promedio: ", promedioNegativos;
	FinSi
FinAlgoritmo
