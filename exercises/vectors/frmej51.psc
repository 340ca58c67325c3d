Algoritmo Ejercicio51
	// Variables
	Definir valor Como Real;
	Definir contador Como Entero;
	Definir v Como Real;
	Definir suma, promedio Como Real;
	Definir k Como Entero;
	Dimension v[15];

	// Ingreso de los 15 números, cada uno guardado en el vector
	Para contador <- 1 Hasta 15 Con Paso 1 Hacer
		Escribir "Ingrese";
		Leer valor;
		v[contador] <- valor;
	FinPara

	// Suma de los elementos del vector
	suma <- 0;
	Para k <- 1 Hasta 15 Con Paso 1 Hacer
		suma <- suma + v[k];
	FinPara

	// Promedio de los 15 números
	promedio <- suma / 15;

	// Resultados
	Escribir Sin Saltar "Vector: ";
	Para k <- 1 Hasta 15 Con Paso 1 Hacer
		Escribir Sin Saltar " ", v[k];
	FinPara
	Escribir "";
	Escribir "Promedio: ", promedio;
FinAlgoritmo
