Algoritmo Ejercicio13
	// Variables del ejercicio
	Definir contador Como Entero;
	Definir valor, mayor, ordenMayor Como Real;

	// Inicio
	contador <- 0;
	mayor <- 0;
	ordenMayor <- 0;

	// Ingreso de los 12 números
	Mientras contador < 12 Hacer
		Escribir "Ingrese";
		Leer valor;
		contador <- contador + 1;
		// El primero, o uno mayor que el mayor, pasa a ser el mayor
		Si contador = 1 O valor > mayor Entonces
			mayor <- valor;
			ordenMayor <- contador;
		FinSi
	FinMientras

	// Resultados
	Escribir "El Mayor: ", mayor;
	Escribir "El Orden de Ingreso: ", ordenMayor;
FinAlgoritmo
