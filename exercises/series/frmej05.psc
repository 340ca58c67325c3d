Algoritmo Ejercicio05
	// Variables
	Definir i Como Entero;
	Definir valor, menor Como Real;

	// Ingreso de los 8 números
	Para i <- 1 Hasta 8 Hacer
		Escribir "Ingrese";
		Leer valor;
		// El primero, o uno menor que el menor, pasa a ser el menor
		Si i = 1 O valor < menor Entonces
			menor <- valor;
		FinSi
	FinPara

	// Resultados
	Escribir "El Menor: ", menor;
FinAlgoritmo
