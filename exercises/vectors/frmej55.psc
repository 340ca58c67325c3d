Algoritmo Ejercicio55
	// Variables
	Definir valor Como Real;
	Definir contador Como Entero;
	Definir v Como Real;
	Definir suma, promedio Como Real;
	Definir mayor Como Real;
	Definir ordenMayor Como Entero;
	Definir menor Como Real;
	Definir ordenMenor Como Entero;
	Definir k Como Entero;
	Dimension v[16];

	// Ingreso de los 16 números enteros y positivos, cada uno guardado en el vector
	// Atención: el 0 se acepta, aunque el enunciado pide positivos
	contador <- 0;
	Mientras contador < 16 Hacer
		Escribir "Ingrese";
		Leer valor;
		// Se rechaza el número negativo o con decimales
		Si valor < 0 O valor <> trunc(valor) Entonces
			Escribir "El valor ", valor, " no es lo pedido";
		SiNo
			contador <- contador + 1;
			v[contador] <- valor;
		FinSi
	FinMientras

	// Suma, mayor y menor del vector: el primer elemento es, al empezar,
	// el mayor y el menor (con valores iguales, queda la ubicación del primero)
	suma <- 0;
	mayor <- v[1];
	ordenMayor <- 1;
	menor <- v[1];
	ordenMenor <- 1;
	Para k <- 1 Hasta 16 Con Paso 1 Hacer
		suma <- suma + v[k];
		Si v[k] > mayor Entonces
			mayor <- v[k];
			ordenMayor <- k;
		FinSi
		Si v[k] < menor Entonces
			menor <- v[k];
			ordenMenor <- k;
		FinSi
	FinPara

	// Promedio de los 16 números
	promedio <- suma / 16;

	// Resultados
	Escribir Sin Saltar "Vector: ";
	Para k <- 1 Hasta 16 Con Paso 1 Hacer
		Escribir Sin Saltar " ", v[k];
	FinPara
	Escribir "";
	Escribir "Promedio: ", promedio;
	Escribir "Mayor: ", mayor;
	Escribir "Orden Mayor: ", ordenMayor;
	Escribir "Menor: ", menor;
	Escribir "Orden Menor: ", ordenMenor;
FinAlgoritmo
