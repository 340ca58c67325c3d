Algoritmo Ejercicio17
	// Variables del ejercicio
	Definir contador Como Entero;
	Definir valor, mayor, ordenMayor, menor, ordenMenor Como Real;
	Definir suma, promedio Como Real;

	// Inicio
	contador <- 0;
	mayor <- 0;
	ordenMayor <- 0;
	menor <- 0;
	ordenMenor <- 0;
	suma <- 0;
	promedio <- 0;

	// Ingreso de los 19 números
	Mientras contador < 19 Hacer
		Escribir "Ingrese";
		Leer valor;
		// Se cuenta el número, se suma y se recalcula el promedio
		contador <- contador + 1;
		suma <- suma + valor;
		promedio <- suma / contador;
		Si contador = 1 Entonces
			// El primero es a la vez el mayor y el menor
			mayor <- valor;
			ordenMayor <- contador;
			menor <- valor;
			ordenMenor <- contador;
		SiNo
			// Primero se compara con el mayor; sólo si no lo reemplaza, con el menor
			Si valor > mayor Entonces
				mayor <- valor;
				ordenMayor <- contador;
			SiNo
				Si valor < menor Entonces
					menor <- valor;
					ordenMenor <- contador;
				FinSi
			FinSi
		FinSi
	FinMientras

	// Resultados
	Escribir "La Cantidad / La Suma: ", contador;
	Escribir "La Cantidad / La Suma: ", suma;
	Escribir "El Promedio de los N° Ingresados: ", promedio;
	Escribir "El Mayor / El Orden del Mayor: ", mayor;
	Escribir "El Mayor / El Orden del Mayor: ", ordenMayor;
	Escribir "El Menor / El Orden del Menor: ", menor;
	Escribir "El Menor / El Orden del Menor: ", ordenMenor;
FinAlgoritmo
