Algoritmo Ejercicio27
	// Variables
	Definir valor Como Real;
	Definir contador Como Entero;
	Definir hayPar Como Logico;
	Definir menorPar Como Real;
	Definir ordenMenorPar Como Entero;
	Definir hayImpar Como Logico;
	Definir mayorImpar Como Real;
	Definir ordenMayorImpar Como Entero;

	// Contador en 0; todavía no hay ningún par ni ningún impar
	contador <- 0;
	hayPar <- Falso;
	hayImpar <- Falso;

	// Ingreso de los 14 números
	Mientras contador < 14 Hacer
		Escribir "Ingrese";
		Leer valor;
		// Se rechaza el número negativo o con decimales
		// Atención: el 0 se acepta, y es par
		Si valor < 0 O valor <> trunc(valor) Entonces
			Escribir "El valor ", valor, " no es lo pedido";
		SiNo
			// Se cuenta el número aceptado
			contador <- contador + 1;
			// Si es par: el primero, o uno menor que el menor, pasa a ser el menor par;
			// si no, el primero, o uno mayor que el mayor, pasa a ser el mayor impar.
			// Cada uno con su orden de ingreso (con un empate queda el primero)
			Si valor MOD 2 = 0 Entonces
				Si NO hayPar O valor < menorPar Entonces
					menorPar <- valor;
					ordenMenorPar <- contador;
					hayPar <- Verdadero;
				FinSi
			SiNo
				Si NO hayImpar O valor > mayorImpar Entonces
					mayorImpar <- valor;
					ordenMayorImpar <- contador;
					hayImpar <- Verdadero;
				FinSi
			FinSi
		FinSi
	FinMientras

	// Resultados de los pares
	Si hayPar Entonces
		Escribir "Menor Par: ", menorPar;
		Escribir "Orden Par: ", ordenMenorPar;
	SiNo
		Escribir "Menor Par: ", "No ingresó N° par";
		Escribir "Orden Par: ", "No ingresó N° par";
	FinSi

	// Resultados de los impares
	Si hayImpar Entonces
		Escribir "Mayor Impar: ", mayorImpar;
		Escribir "Orden Impar: ", ordenMayorImpar;
	SiNo
		Escribir "Mayor Impar: ", "No ingresó N° impar";
		Escribir "Orden Impar: ", "No ingresó N° impar";
	FinSi
FinAlgoritmo
