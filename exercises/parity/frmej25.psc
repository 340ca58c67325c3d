Algoritmo Ejercicio25
	// Variables
	Definir valor Como Real;
	Definir contador Como Entero;
	Definir hayPar Como Logico;
	Definir mayorPar Como Real;
	Definir ordenMayorPar Como Entero;

	// Contador en 0; todavía no hay ningún par
	contador <- 0;
	hayPar <- Falso;

	// Ingreso de los 19 números
	Mientras contador < 19 Hacer
		Escribir "Ingrese";
		Leer valor;
		// Se rechaza el número negativo o con decimales
		// Atención: el 0 se acepta, y es par
		Si valor < 0 O valor <> trunc(valor) Entonces
			Escribir "El valor ", valor, " no es lo pedido";
		SiNo
			// Se cuenta el número aceptado
			contador <- contador + 1;
			// Si es par: el primero, o uno mayor que el mayor, pasa a ser el mayor
			// con su orden de ingreso (con un empate queda el primero)
			Si valor MOD 2 = 0 Entonces
				Si NO hayPar O valor > mayorPar Entonces
					mayorPar <- valor;
					ordenMayorPar <- contador;
					hayPar <- Verdadero;
				FinSi
			FinSi
		FinSi
	FinMientras

	// Resultados
	Si hayPar Entonces
		Escribir "Mayor: ", mayorPar;
		Escribir "Orden de ingreso: ", ordenMayorPar;
	SiNo
		Escribir "Mayor: ", "No ingresó N° pares";
		Escribir "Orden de ingreso: ", "No ingresó N° pares";
	FinSi
FinAlgoritmo
