Algoritmo Ejercicio61
	// Variables
	Definir valor Como Real;
	Definir contador Como Entero;
	Definir v Como Real;
	Definir hayIntercambio Como Logico;
	Definir i Como Entero;
	Definir aux Como Real;
	Definir k Como Entero;
	Dimension v[23];

	// Ingreso de los 23 números, cada uno guardado en el vector
	Para contador <- 1 Hasta 23 Con Paso 1 Hacer
		Escribir "Ingrese";
		Leer valor;
		v[contador] <- valor;
	FinPara

	// Orden ascendente por el método del burbujeo: cada pasada compara
	// los 22 pares vecinos y se repite hasta una pasada sin intercambios
	hayIntercambio <- Verdadero;
	Mientras hayIntercambio Hacer
		hayIntercambio <- Falso;
		Para i <- 1 Hasta 22 Con Paso 1 Hacer
			Si v[i + 1] < v[i] Entonces
				aux <- v[i];
				v[i] <- v[i + 1];
				v[i + 1] <- aux;
				hayIntercambio <- Verdadero;
			FinSi
		FinPara
	FinMientras

	// Resultados
	Escribir Sin Saltar "Vector: ";
	Para k <- 1 Hasta 23 Con Paso 1 Hacer
		Escribir Sin Saltar " ", v[k];
	FinPara
	Escribir "";
FinAlgoritmo
