Algoritmo Ejercicio14
	// Variables del ejercicio
	Definir contador Como Entero;
	Definir valor, menor, ordenMenor Como Real;

	// Inicio
	contador <- 0;
	menor <- 0;
	ordenMenor <- 0;

	// Ingreso de los 15 números
	Mientras contador < 15 Hacer
		Escribir "Ingrese";
		Leer valor;
		contador <- contador + 1;
		// El primero, o uno menor que el menor, pasa a ser el menor
		Si contador = 1 O valor < menor Entonces
			menor <- valor;
			ordenMenor <- contador;
		FinSi
	FinMientras

	// Resultados
	Escribir "El Menor: ", menor;
	Escribir "El Orden de Ingreso: ", ordenMenor;
FinAlgoritmo
