Algoritmo Ejercicio63
	// Variables
	Definir valor Como Real;
	Definir contador Como Entero;
	Definir v Como Real;
	Definir i, j, posicionMenor Como Entero;
	Definir menor Como Real;
	Definir hayPar Como Logico;
	Definir mayorPar Como Real;
	Definir hayPositivo Como Logico;
	Definir menorPositivo Como Real;
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

	// Orden ascendente por selección: en cada pasada se busca el menor
	// de v[i] a v[24] y se lo intercambia con v[i]
	Para i <- 1 Hasta 23 Con Paso 1 Hacer
		menor <- v[i];
		posicionMenor <- i;
		Para j <- i + 1 Hasta 24 Con Paso 1 Hacer
			Si v[j] < menor Entonces
				menor <- v[j];
				posicionMenor <- j;
			FinSi
		FinPara
		// Intercambio de v[i] con el menor encontrado
		v[posicionMenor] <- v[i];
		v[i] <- menor;
	FinPara

	// Mayor de los pares: el vector va de menor a mayor, así que se
	// recorre desde el final y el primer par que aparece es el mayor
	hayPar <- Falso;
	k <- 24;
	Mientras k >= 1 Y NO hayPar Hacer
		Si v[k] MOD 2 = 0 Entonces
			hayPar <- Verdadero;
			mayorPar <- v[k];
		FinSi
		k <- k - 1;
	FinMientras

	// Menor de los positivos: se recorre desde el principio y el primero
	// que no es negativo es el menor
	// Atención: el 0 se cuenta con los positivos
	hayPositivo <- Falso;
	k <- 1;
	Mientras k <= 24 Y NO hayPositivo Hacer
		Si v[k] >= 0 Entonces
			hayPositivo <- Verdadero;
			menorPositivo <- v[k];
		FinSi
		k <- k + 1;
	FinMientras

	// Resultados
	Escribir Sin Saltar "Vector: ";
	Para k <- 1 Hasta 24 Con Paso 1 Hacer
		Escribir Sin Saltar " ", v[k];
	FinPara
	Escribir "";
	Si hayPar Entonces
		Escribir "Mayor Par: ", mayorPar;
	SiNo
		Escribir "Mayor Par: ", "No ingresó N° par";
	FinSi
	Si hayPositivo Entonces
		Escribir "Menor Positivo: ", menorPositivo;
	SiNo
		Escribir "Menor Positivo: ", "No ingresó N° positivo";
	FinSi
FinAlgoritmo
