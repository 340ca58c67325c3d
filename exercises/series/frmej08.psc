Algoritmo Ejercicio08
	// Variables
	Definir i Como Entero;
	Definir valor Como Real;
	Definir hayPositivos Como Logico;
	Definir sumaPositivos Como Real;
	Definir hayNegativos Como Logico;
	Definir mayorNegativo Como Real;

	// Suma en 0; todavía no hay ningún positivo ni ningún negativo
	hayPositivos <- Falso;
	sumaPositivos <- 0;
	hayNegativos <- Falso;

	// Ingreso de los 12 números
	Para i <- 1 Hasta 12 Hacer
		Escribir "Ingrese";
		Leer valor;
		// Atención: el 0 se cuenta con los positivos
		Si valor >= 0 Entonces
			// Se suma el positivo
			sumaPositivos <- sumaPositivos + valor;
			hayPositivos <- Verdadero;
		SiNo
			// El primer negativo, o uno mayor que el mayor, pasa a ser el mayor
			Si NO hayNegativos O valor > mayorNegativo Entonces
				mayorNegativo <- valor;
				hayNegativos <- Verdadero;
			FinSi
		FinSi
	FinPara

	// Resultados (una clase sin números muestra un aviso)
	// (si entre los positivos sólo hubo ceros, la suma es 0 y no el aviso)
	Si hayNegativos Entonces
		Escribir "El Mayor de los Negativos: ", mayorNegativo;
	SiNo
		Escribir "El Mayor de los Negativos: ", "No ingresó N° negativos";
	FinSi
	Si hayPositivos Entonces
		Escribir "La Suma de los Positivos: ", sumaPositivos;
	SiNo
		Escribir "La Suma de los Positivos: ", "No ingresó N° positivos";
	FinSi
FinAlgoritmo
