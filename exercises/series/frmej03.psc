Algoritmo Ejercicio03
	// Variables
	Definir i Como Entero;
	Definir valor Como Real;
	Definir contador Como Entero;
	Definir suma, promedio Como Real;

	// Contador y suma en 0
	contador <- 0;
	suma <- 0;

	// Ingreso de los 20 números
	Para i <- 1 Hasta 20 Hacer
		Escribir "Ingrese";
		Leer valor;
		// Se cuenta el número y se suma
		contador <- contador + 1;
		suma <- suma + valor;
	FinPara

	// Promedio de los números contados
	promedio <- suma / contador;

	// Resultados, en el orden en que los muestra la ventana
	Escribir "Promedio: ", promedio;
	Escribir "Cantidad: ", contador;
	Escribir "Suma: ", suma;
FinAlgoritmo
