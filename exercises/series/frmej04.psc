Algoritmo Ejercicio04
	// Variables del ejercicio
	Definir contador Como Entero;
	Definir valor, mayor Como Real;

	// Inicio
	contador <- 0;
	mayor <- 0;

	// Ingreso de los 25 números
	Mientras contador < 25 Hacer
		Escribir "Ingrese";
		Leer valor;
		contador <- contador + 1;
		// El primero, o uno mayor que el mayor, pasa a ser el mayor
		Si contador = 1 O valor > mayor Entonces
			mayor <- valor;
		FinSi
	FinMientras

	// Resultados
	Escribir "El Mayor: ", mayor;
FinAlgoritmo
