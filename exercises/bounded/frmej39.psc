Algoritmo Ejercicio39
	// Variables
	Definir contador, cantPositivos, cantNegativos Como Entero;
	Definir valor, suma, promedio Como Real;
	Definir sumaPositivos, promedioPositivos, sumaNegativos, promedioNegativos Como Real;
	Definir serieTerminada Como Logico;

	// Inicio
	contador <- 0;
	suma <- 0;
	cantPositivos <- 0;
	sumaPositivos <- 0;
	cantNegativos <- 0;
	sumaNegativos <- 0;
	serieTerminada <- Falso;

	// Ingreso de la serie: termina con 0 (que no se cuenta) y tiene más de 8 y menos de 15 números
	Mientras NO serieTerminada Hacer
		Escribir "Ingrese";
		Leer valor;
		// Se vuelve a pedir mientras no sea un número entero
		Mientras valor <> trunc(valor) Hacer
			Escribir "El valor ", valor, " no es lo pedido";
			Escribir "Ingrese";
			Leer valor;
		FinMientras
		// El 0 termina la serie sólo cuando ya tiene más de 8 números (9 o más)
		Si valor = 0 Y contador <= 8 Entonces
			Escribir "Debe completar la cantidad mínima";
		FinSi
		Si valor = 0 Y contador > 8 Entonces
			serieTerminada <- Verdadero;
		FinSi
		// Con 14 números (menos de 15) la serie está llena: sólo se acepta el 0
		Si valor <> 0 Y contador = 14 Entonces
			Escribir "Ya completó el máximo de la serie. Ingrese 0";
		FinSi
		// Número aceptado: se cuenta y se suma, y también con los positivos o con los negativos (el 0 nunca se cuenta)
		Si valor <> 0 Y contador < 14 Entonces
			contador <- contador + 1;
			suma <- suma + valor;
			Si valor > 0 Entonces
				cantPositivos <- cantPositivos + 1;
				sumaPositivos <- sumaPositivos + valor;
			SiNo
				cantNegativos <- cantNegativos + 1;
				sumaNegativos <- sumaNegativos + valor;
			FinSi
		FinSi
	FinMientras

	// Promedios: el de la serie (que tiene por lo menos 9 números) y el de cada clase que tiene números
	promedio <- suma / contador;
	Si cantPositivos > 0 Entonces
		promedioPositivos <- sumaPositivos / cantPositivos;
	FinSi
	Si cantNegativos > 0 Entonces
		promedioNegativos <- sumaNegativos / cantNegativos;
	FinSi

	// Resultados: si una clase no tiene números, se muestra el aviso en su lugar
	Escribir "Suma: ", suma;
	Escribir "Promedio: ", promedio;
	Si cantPositivos = 0 Entonces
		Escribir "Suma Positivo: ", "No ingresó N° positivo";
		Escribir "Promedio Positivo: ", "No ingresó N° positivo";
	SiNo
		Escribir "Suma Positivo: ", sumaPositivos;
		Escribir "Promedio Positivo: ", promedioPositivos;
	FinSi
	Si cantNegativos = 0 Entonces
		Escribir "Suma Negativo: ", "No ingresó N° negativo";
		Escribir "Promedio Negativo: ", "No ingresó N° negativo";
	SiNo
		Escribir "Suma Negativo: ", sumaNegativos;
		Escribir "Promedio Negativo: ", promedioNegativos;
	FinSi
FinAlgoritmo
