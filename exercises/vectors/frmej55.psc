Algoritmo Ejercicio55
	// Variables del ejercicio
	Definir valor, contador Como Real;
	Definir v Como Real;
	Definir suma, promedio, mayor, ordenMayor, menor, ordenMenor Como Real;
	// Índice para mostrar el vector
	Definir k Como Real;
	Dimension v[16];
	
	// Inicio
	contador <- 0;
	suma <- 0;
	promedio <- 0;
	mayor <- 0;
	ordenMayor <- 0;
	menor <- 0;
	ordenMenor <- 0;
	
	// Ingreso de los 16 números enteros y positivos
	Mientras contador < 16 Hacer
		Escribir "Ingrese";
		Leer valor;
		// Se descarta lo negativo y lo que no es entero
		Si valor < 0 O valor <> trunc(valor) Entonces
			Escribir "El valor ", valor, " no es lo pedido";
		SiNo
			// Se guarda en el vector, en el lugar de su orden de ingreso
			contador <- contador + 1;
			v[contador] <- valor;
			// Se suma y se recalcula el promedio (la suma dividida por 16)
			suma <- suma + v[contador];
			promedio <- suma / 16;
			// El primero es el mayor y el menor; después, uno mayor que el mayor
			// pasa a ser el mayor, y si no, uno menor que el menor pasa a ser el menor
			Si contador = 1 Entonces
				mayor <- v[contador];
				ordenMayor <- contador;
				menor <- v[contador];
				ordenMenor <- contador;
			SiNo
				Si v[contador] > mayor Entonces
					mayor <- v[contador];
					ordenMayor <- contador;
				SiNo
					Si v[contador] < menor Entonces
						menor <- v[contador];
						ordenMenor <- contador;
					FinSi
				FinSi
			FinSi
		FinSi
	FinMientras
	
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
