Algoritmo Ejercicio26
	// Variables
	Definir valor Como Real;
	Definir contador Como Entero;
	Definir hayImpar Como Logico;
	Definir menorImpar Como Real;
	Definir ordenMenorImpar Como Entero;

	// Contador en 0; todavía no hay ningún impar
	contador <- 0;
	hayImpar <- Falso;

	// Ingreso de los 13 números
	Mientras contador < 13 Hacer
		Escribir "Ingrese";
		Leer valor;
		// Se rechaza el número negativo o con decimales
		// Atención: el 0 se acepta y cuenta en la serie, pero es par: no va con los impares
		Si valor < 0 O valor <> trunc(valor) Entonces
			Escribir "El valor ", valor, " no es lo pedido";
		SiNo
			// Se cuenta el número aceptado
			contador <- contador + 1;
			// Si es impar: el primero, o uno menor que el menor, pasa a ser el menor
			// con su orden de ingreso (con un empate queda el primero)
			Si valor MOD 2 <> 0 Entonces
				Si NO hayImpar O valor < menorImpar Entonces
					menorImpar <- valor;
					ordenMenorImpar <- contador;
					hayImpar <- Verdadero;
				FinSi
			FinSi
		FinSi
	FinMientras

	// Resultados
	Si hayImpar Entonces
		Escribir "Menor: ", menorImpar;
		Escribir "Orden de ingreso: ", ordenMenorImpar;
	SiNo
		Escribir "Menor: ", "No ingresó N° impares";
		Escribir "Orden de ingreso: ", "No ingresó N° impares";
	FinSi
FinAlgoritmo
