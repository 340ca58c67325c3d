Algoritmo Ejercicio03
	// Variables del ejercicio
	Definir contador Como Entero;
	Definir valor, suma, promedio Como Real;

	// Inicio
	contador <- 0;
	suma <- 0;
	promedio <- 0;

	// Ingreso de los 20 números
	Mientras contador < 20 Hacer
		Escribir "Ingrese";
		Leer valor;
		// Se cuenta el número, se suma y se recalcula el promedio
		contador <- contador + 1;
		suma <- suma + valor;
		promedio <- suma / contador;
	FinMientras

	// Resultados
	Escribir "Promedio: ", promedio;
	Escribir "Cantidad: ", contador;
	Escribir "Suma: ", suma;
FinAlgoritmo
