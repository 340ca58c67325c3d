Algoritmo Ejercicio65
	// Variables del ejercicio
	Definir valor, contador, v Como Real;
	Definir bandera, j, aux Como Real;
	Definir cantImpares, menorImpar Como Real;
	Definir cantNegativos, mayorNegativo Como Real;
	// Índice para recorrer el vector
	Definir k Como Real;
	Dimension v[24];
	
	// Inicio
	contador <- 0;
	bandera <- 1;
	cantImpares <- 0;
	menorImpar <- 0;
	cantNegativos <- 0;
	mayorNegativo <- 0;
	
	// Ingreso de los 24 números enteros, cada uno guardado en el vector
	Mientras contador < 24 Hacer
		Escribir "Ingrese";
		Leer valor;
		// Se descarta lo que no es entero
		Si valor <> trunc(valor) Entonces
			Escribir "El valor ", valor, " no es lo pedido";
		SiNo
			contador <- contador + 1;
			v[contador] <- valor;
		FinSi
	FinMientras
	
	// Ordenamiento descendente por el método del burbujeo:
	// se recorren los pares vecinos hasta una pasada sin intercambios
	Mientras bandera = 1 Hacer
		bandera <- 0;
		Para contador <- 1 Hasta 23 Con Paso 1 Hacer
			j <- contador + 1;
			Si v[j] > v[contador] Entonces
				aux <- v[contador];
				v[contador] <- v[j];
				v[j] <- aux;
				bandera <- 1;
			FinSi
		FinPara
	FinMientras
	
	// Menor de los impares del vector ordenado
	Para k <- 1 Hasta 24 Con Paso 1 Hacer
		// Paridad por restas sucesivas (aux sirve de copia de trabajo)
		aux <- abs(v[k]);
		Mientras aux >= 2 Hacer
			aux <- aux - 2;
		FinMientras
		Si aux = 1 Entonces
			cantImpares <- cantImpares + 1;
			Si cantImpares = 1 O v[k] < menorImpar Entonces
				menorImpar <- v[k];
			FinSi
		FinSi
	FinPara
	
	// Mayor de los negativos (el 0 no es negativo)
	Para k <- 1 Hasta 24 Con Paso 1 Hacer
		Si v[k] < 0 Entonces
			cantNegativos <- cantNegativos + 1;
			Si cantNegativos = 1 O v[k] > mayorNegativo Entonces
				mayorNegativo <- v[k];
			FinSi
		FinSi
	FinPara
	
	// Resultados
	Escribir Sin Saltar "Vector: ";
	Para k <- 1 Hasta 24 Con Paso 1 Hacer
		Escribir Sin Saltar " ", v[k];
	FinPara
	Escribir "";
	Si cantImpares = 0 Entonces
		Escribir "Menor Impar: ", "No ingresó N° impar";
	SiNo
		Escribir "Menor Impar: ", menorImpar;
	FinSi
	Si cantNegativos = 0 Entonces
		Escribir "Mayor Negativo: ", "No ingresó N° negativo";
	SiNo
		Escribir "Mayor Negativo: ", mayorNegativo;
	FinSi
FinAlgoritmo
