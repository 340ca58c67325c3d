Algoritmo Ejercicio13
	// Variables
	Definir i Como Entero;
	Definir valor, mayor Como Real;
	Definir ordenMayor Como Entero;

	// Ingreso de los 12 números
	Para i <- 1 Hasta 12 Hacer
		Escribir "Ingrese";
		Leer valor;
		// El primero, o uno mayor que el mayor, pasa a ser el mayor; i es su orden de ingreso
		// Atención: uno igual al mayor no lo reemplaza, así que queda el orden del primero
		Si i = 1 O valor > mayor Entonces
			mayor <- valor;
			ordenMayor <- i;
		FinSi
	FinPara

	// Resultados
	Escribir "El Mayor: ", mayor;
	Escribir "El Orden de Ingreso: ", ordenMayor;
FinAlgoritmo
