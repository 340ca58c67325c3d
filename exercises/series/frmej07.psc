Algoritmo Ejercicio07
	// Variables del ejercicio
	Definir contador Como Entero;
	Definir valor, cantPositivos, menorPositivo Como Real;

	// Inicio
	contador <- 0;
	cantPositivos <- 0;
	menorPositivo <- 0;

	// Ingreso de los 17 números
	Mientras contador < 17 Hacer
		Escribir "Ingrese";
		Leer valor;
		contador <- contador + 1;
		// Sólo los positivos (mayores que cero) se cuentan y compiten por el menor;
		// el cero y los negativos sólo se cuentan en la serie
		Si valor > 0 Entonces
			cantPositivos <- cantPositivos + 1;
			// El primer positivo, o uno menor que el menor, pasa a ser el menor
			Si cantPositivos = 1 O valor < menorPositivo Entonces
				menorPositivo <- valor;
			FinSi
		FinSi
	FinMientras

	// Resultados
	Si cantPositivos = 0 Entonces
		Escribir "El Menor de los números Positivos: ", "No ingresó N° positivos";
	SiNo
		Escribir "El Menor de los números Positivos: ", menorPositivo;
	FinSi
FinAlgoritmo
