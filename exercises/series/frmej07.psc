Algoritmo Ejercicio07
	// Variables
	Definir i Como Entero;
	Definir valor Como Real;
	Definir hayPositivos Como Logico;
	Definir menorPositivo Como Real;

	// Todavía no hay ningún positivo
	hayPositivos <- Falso;

	// Ingreso de los 17 números
	Para i <- 1 Hasta 17 Hacer
		Escribir "Ingrese";
		Leer valor;
		// Atención: el 0 no es positivo; el 0 y los negativos no se tienen en cuenta
		Si valor > 0 Entonces
			// El primer positivo, o uno menor que el menor, pasa a ser el menor
			Si NO hayPositivos O valor < menorPositivo Entonces
				menorPositivo <- valor;
				hayPositivos <- Verdadero;
			FinSi
		FinSi
	FinPara

	// Resultados (si no hubo positivos se muestra un aviso)
	Si hayPositivos Entonces
		Escribir "El Menor de los números Positivos: ", menorPositivo;
	SiNo
		Escribir "El Menor de los números Positivos: ", "No ingresó N° positivos";
	FinSi
FinAlgoritmo
