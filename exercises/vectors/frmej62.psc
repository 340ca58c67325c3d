Algoritmo Ejercicio62
	// Variables del ejercicio
	Definir valor, contador, v Como Real;
	Definir bandera, j, aux Como Real;
	// Índice para mostrar el vector
	Definir k Como Real;
	Dimension v[33];
	
	// Inicio
	contador <- 0;
	bandera <- 1;
	
	// Ingreso de los 33 números, cada uno guardado en el vector
	Mientras contador < 33 Hacer
		Escribir "Ingrese";
		Leer valor;
		contador <- contador + 1;
		v[contador] <- valor;
	FinMientras
	
	// Ordenamiento descendente por el método del burbujeo:
	// se recorren los pares vecinos hasta una pasada sin intercambios
	Mientras bandera = 1 Hacer
		bandera <- 0;
		Para contador <- 1 Hasta 32 Con Paso 1 Hacer
			j <- contador + 1;
			Si v[j] > v[contador] Entonces
				aux <- v[contador];
				v[contador] <- v[j];
				v[j] <- aux;
				bandera <- 1;
			FinSi
		FinPara
	FinMientras
	
	// Resultados
	Escribir Sin Saltar "Vector: ";
	Para k <- 1 Hasta 33 Con Paso 1 Hacer
		Escribir Sin Saltar " ", v[k];
	FinPara
	Escribir "";
FinAlgoritmo
