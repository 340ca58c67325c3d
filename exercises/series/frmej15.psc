Algoritmo Ejercicio15
	// Variables del ejercicio
	Definir contador Como Entero;
	Definir valor, mayor, ordenMayor, menor, ordenMenor Como Real;

	// Inicio
	contador <- 0;
	mayor <- 0;
	ordenMayor <- 0;
	menor <- 0;
	ordenMenor <- 0;

	// Ingreso de los 18 números
	Mientras contador < 18 Hacer
		Escribir "Ingrese";
		Leer valor;
		contador <- contador + 1;
		Si contador = 1 Entonces
			// El primero es a la vez el menor y el mayor
			menor <- valor;
			ordenMenor <- contador;
			mayor <- valor;
			ordenMayor <- contador;
		SiNo
			// Primero se compara con el menor; sólo si no lo reemplaza, con el mayor
			Si valor < menor Entonces
				menor <- valor;
				ordenMenor <- contador;
			SiNo
				Si valor > mayor Entonces
					mayor <- valor;
					ordenMayor <- contador;
				FinSi
			FinSi
		FinSi
	FinMientras

	// Resultados
	Escribir "El Mayor: ", mayor;
	Escribir "El Orden del Mayor: ", ordenMayor;
	Escribir "El Menor: ", menor;
	Escribir "El Orden del Menor: ", ordenMenor;
FinAlgoritmo
