Algoritmo Ejercicio01
	// Variables del ejercicio
	Definir contador Como Entero;
	Definir valor, suma Como Real;

	// Inicio
	contador <- 0;
	suma <- 0;

	// Ingreso de los 10 números
	Mientras contador < 10 Hacer
		Escribir "Ingrese";
		Leer valor;
		// Se cuenta el número y se suma
		contador <- contador + 1;
		suma <- suma + valor;
	FinMientras

	// Resultados
	Escribir "Suma: ", suma;
FinAlgoritmo
