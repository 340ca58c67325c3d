Algoritmo Ejercicio01
	// Variables
	Definir i Como Entero;
	Definir valor, suma Como Real;

	// Suma en 0
	suma <- 0;

	// Ingreso de los 10 números
	Para i <- 1 Hasta 10 Hacer
		Escribir "Ingrese";
		Leer valor;
		// Se suma el número
		suma <- suma + valor;
	FinPara

	// Resultados
	Escribir "Suma: ", suma;
FinAlgoritmo
