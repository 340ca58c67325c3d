Algoritmo Ejercicio15
	// Variables
	Definir i Como Entero;
	Definir valor, mayor Como Real;
	Definir ordenMayor Como Entero;
	Definir menor Como Real;
	Definir ordenMenor Como Entero;

	// Ingreso de los 18 números
	Para i <- 1 Hasta 18 Hacer
		Escribir "Ingrese";
		Leer valor;
		// El primero, o uno mayor que el mayor, pasa a ser el mayor; i es su orden de ingreso
		// Atención: uno igual al mayor no lo reemplaza, así que queda el orden del primero
		Si i = 1 O valor > mayor Entonces
			mayor <- valor;
			ordenMayor <- i;
		FinSi
		// Lo mismo con el menor (el primero es a la vez el mayor y el menor)
		Si i = 1 O valor < menor Entonces
			menor <- valor;
			ordenMenor <- i;
		FinSi
	FinPara

	// Resultados
	Escribir "El Mayor: ", mayor;
	Escribir "El Orden del Mayor: ", ordenMayor;
	Escribir "El Menor: ", menor;
	Escribir "El Orden del Menor: ", ordenMenor;
FinAlgoritmo
