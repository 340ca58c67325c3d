Algoritmo Ejercicio65
	// Variables
	Definir valor Como Real;
	Definir contador Como Entero;
	Definir v Como Real;
	Definir hayIntercambio Como Logico;
	Definir i Como Entero;
	Definir aux Como Real;
	Definir hayImpar Como Logico;
	Definir menorImpar Como Real;
	Definir hayNegativo Como Logico;
	Definir mayorNegativo Como Real;
	Definir k Como Entero;
	Dimension v[24];

	// Ingreso de los 24 números enteros, cada uno guardado en el vector
	contador <- 0;
	Mientras contador < 24 Hacer
		Escribir "Ingrese";
		Leer valor;
		// Solo se aceptan enteros (negativos y 0 también)
		Si valor <> trunc(valor) Entonces
			Escribir "El valor ", valor, " no es lo pedido";
		SiNo
			contador <- contador + 1;
			v[contador] <- valor;
		FinSi
	FinMientras

	// Orden descendente por el método del burbujeo: cada pasada compara
	// los 23 pares vecinos y se repite hasta una pasada sin intercambios
	hayIntercambio <- Verdadero;
	Mientras hayIntercambio Hacer
		hayIntercambio <- Falso;
		Para i <- 1 Hasta 23 Con Paso 1 Hacer
			Si v[i + 1] > v[i] Entonces
				aux <- v[i];
				v[i] <- v[i + 1];
				v[i + 1] <- aux;
				hayIntercambio <- Verdadero;
			FinSi
		FinPara
	FinMientras

	// Menor de los impares: el vector va de mayor a menor, así que se
	// recorre desde el final y el primer impar que aparece es el menor
	// (un negativo impar deja resto -1: se pregunta si el resto no es 0)
	hayImpar <- Falso;
	k <- 24;
	Mientras k >= 1 Y NO hayImpar Hacer
		Si v[k] MOD 2 <> 0 Entonces
			hayImpar <- Verdadero;
			menorImpar <- v[k];
		FinSi
		k <- k - 1;
	FinMientras

	// Mayor de los negativos: se recorre desde el principio y el primer
	// negativo que aparece es el mayor (el 0 no es negativo)
	hayNegativo <- Falso;
	k <- 1;
	Mientras k <= 24 Y NO hayNegativo Hacer
		Si v[k] < 0 Entonces
			hayNegativo <- Verdadero;
			mayorNegativo <- v[k];
		FinSi
		k <- k + 1;
	FinMientras

	// Resultados
	Escribir Sin Saltar "Vector: ";
	Para k <- 1 Hasta 24 Con Paso 1 Hacer
		Escribir Sin Saltar " ", v[k];
	FinPara
	Escribir "";
	Si hayImpar Entonces
		Escribir "Menor Impar: ", menorImpar;
	SiNo
		Escribir "Menor Impar: ", "No ingresó N° impar";
	FinSi
	Si hayNegativo Entonces
		Escribir "Mayor Negativo: ", mayorNegativo;
	SiNo
		Escribir "Mayor Negativo: ", "No ingresó N° negativo";
	FinSi
FinAlgoritmo
