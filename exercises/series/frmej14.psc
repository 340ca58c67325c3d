Algoritmo Ejercicio14
	// Variables
	Definir i Como Entero;
	Definir valor, menor Como Real;
	Definir ordenMenor Como Entero;

	// Ingreso de los 15 números
	Para i <- 1 Hasta 15 Hacer
		Escribir "Ingrese";
		Leer valor;
		// El primero, o uno menor que el menor, pasa a ser el menor; i es su orden de ingreso
		// Atención: uno igual al menor no lo reemplaza, así que queda el orden del primero
		Si i = 1 O valor < menor Entonces
			menor <- valor;
			ordenMenor <- i;
		FinSi
	FinPara

	// Resultados
	Escribir "El Menor: ", menor;
	Escribir "El Orden de Ingreso: ", ordenMenor;
FinAlgoritmo
