Algoritmo Ejercicio02
	// Variables
	Definir i Como Entero;
	Definir valor, suma, promedio Como Real;

	// Suma en 0
	suma <- 0;

	// Ingreso de los 15 números
	Para i <- 1 Hasta 15 Hacer
		Escribir "Ingrese";
		Leer valor;
		// Se suma el número
		suma <- suma + valor;
	FinPara

	// Promedio de los 15 números
	promedio <- suma / 15;

	// Resultados
	Escribir "Promedio: ", promedio;
FinAlgoritmo
