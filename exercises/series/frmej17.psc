Algoritmo Ejercicio17
	// Variables
	Definir i Como Entero;
	Definir valor Como Real;
	Definir contador Como Entero;
	Definir suma, promedio, mayor Como Real;
	Definir ordenMayor Como Entero;
	Definir menor Como Real;
	Definir ordenMenor Como Entero;

	// Contador y suma en 0
	contador <- 0;
	suma <- 0;

	// Ingreso de los 19 números
	Para i <- 1 Hasta 19 Hacer
		Escribir "Ingrese";
		Leer valor;
		// Se cuenta el número y se suma
		contador <- contador + 1;
		suma <- suma + valor;
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

	// Promedio de los números contados
	promedio <- suma / contador;

	// Resultados
	Escribir "La Cantidad: ", contador;
	Escribir "La Suma: ", suma;
	Escribir "El Promedio de los N° Ingresados: ", promedio;
	Escribir "El Mayor: ", mayor;
	Escribir "El Orden del Mayor: ", ordenMayor;
	Escribir "El Menor: ", menor;
	Escribir "El Orden del Menor: ", ordenMenor;
FinAlgoritmo
