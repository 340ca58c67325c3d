Algoritmo Ejercicio05
	// Variables del ejercicio
	Definir contador Como Entero;
	Definir valor, menor Como Real;

	// Inicio
	contador <- 0;
	menor <- 0;

	// Ingreso de los 8 números
	Mientras contador < 8 Hacer
		Escribir "Ingrese";
		Leer valor;
		contador <- contador + 1;
		// El primero, o uno menor que el menor, pasa a ser el menor
		Si contador = 1 O valor < menor Entonces
			menor <- valor;
		FinSi
	FinMientras

	// Resultados
	Escribir "El Menor: ", menor;
FinAlgoritmo
