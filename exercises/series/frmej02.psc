Algoritmo Ejercicio02
	// Variables del ejercicio
	Definir contador Como Entero;
	Definir valor, suma, promedio Como Real;

	// Inicio
	contador <- 0;
	suma <- 0;
	promedio <- 0;

	// Ingreso de los 15 números
	Mientras contador < 15 Hacer
		Escribir "Ingrese";
		Leer valor;
		// Se cuenta el número, se suma y se recalcula el promedio
		contador <- contador + 1;
		suma <- suma + valor;
		promedio <- suma / contador;
	FinMientras

	// Resultados
	Escribir "Promedio: ", promedio;
FinAlgoritmo
