Algoritmo Ejercicio51
	// Variables del ejercicio
	Definir valor, contador Como Real;
	Definir v Como Real;
	Definir suma, promedio Como Real;
	// Índice para mostrar el vector
	Definir k Como Real;
	Dimension v[15];
	
	// Inicio
	contador <- 0;
	suma <- 0;
	promedio <- 0;
	
	// Ingreso de los 15 números
	Mientras contador < 15 Hacer
		Escribir "Ingrese";
		Leer valor;
		// Se guarda en el vector, en el lugar de su orden de ingreso
		contador <- contador + 1;
		v[contador] <- valor;
		// Se suma y se recalcula el promedio (la suma dividida por 15)
		suma <- suma + v[contador];
		promedio <- suma / 15;
	FinMientras
	
	// Resultados
	Escribir Sin Saltar "Vector: ";
	Para k <- 1 Hasta 15 Con Paso 1 Hacer
		Escribir Sin Saltar " ", v[k];
	FinPara
	Escribir "";
	Escribir "Promedio: ", promedio;
FinAlgoritmo
