Algoritmo Ejercicio54
	// Variables
	Definir valor Como Real;
	Definir contador Como Entero;
	Definir v Como Real;
	Definir hayImpares Como Logico;
	Definir menorImpar Como Real;
	Definir ordenMenor Como Entero;
	Definir k Como Entero;
	Dimension v[14];

	// Ingreso de los 14 números enteros y positivos, cada uno guardado en el vector
	// Atención: el 0 se acepta, aunque el enunciado pide positivos
	contador <- 0;
	Mientras contador < 14 Hacer
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

	// Menor de los impares del vector y su ubicación:
	// el primer impar es el menor hasta que aparezca otro más chico
	// (con impares iguales, queda la ubicación del primero)
	hayImpares <- Falso;
	menorImpar <- 0;
	ordenMenor <- 0;
	Para k <- 1 Hasta 14 Con Paso 1 Hacer
		Si v[k] MOD 2 = 1 Entonces
			Si NO hayImpares O v[k] < menorImpar Entonces
				menorImpar <- v[k];
				ordenMenor <- k;
			FinSi
			hayImpares <- Verdadero;
		FinSi
	FinPara

	// Resultados
	Escribir Sin Saltar "Vector: ";
	Para k <- 1 Hasta 14 Con Paso 1 Hacer
		Escribir Sin Saltar " ", v[k];
	FinPara
	Escribir "";
	Si hayImpares Entonces
		Escribir "Menor: ", menorImpar;
		Escribir "Orden: ", ordenMenor;
	SiNo
		Escribir "Menor: ", "No ingresó N° impar";
		Escribir "Orden: ", "No ingresó N° impar";
	FinSi
FinAlgoritmo
