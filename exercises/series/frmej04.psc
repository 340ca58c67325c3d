Algoritmo Ejercicio04
	// Variables
	Definir i Como Entero;
	Definir valor, mayor Como Real;

	// Ingreso de los 25 números
	Para i <- 1 Hasta 25 Hacer
		Escribir "Ingrese";
		Leer valor;
		// El primero, o uno mayor que el mayor, pasa a ser el mayor
		Si i = 1 O valor > mayor Entonces
			mayor <- valor;
		FinSi
	FinPara

	// Resultados
	Escribir "El Mayor: ", mayor;
FinAlgoritmo
