Algoritmo Ejercicio43
	// Variables
	Definir contador, cantImpares Como Entero;
	Definir valor, sumaImpares, promedioImpares Como Real;
	Definir serieTerminada Como Logico;

	// Inicio
	contador <- 0;
	cantImpares <- 0;
	sumaImpares <- 0;
	serieTerminada <- Falso;

	// Ingreso de la serie: termina con 0 (que no se cuenta) y tiene más de 11 y menos de 18 números
	Mientras NO serieTerminada Hacer
		Escribir "Ingrese";
		Leer valor;
		// Se vuelve a pedir mientras sea negativo o no sea entero (el 0 pasa: marca el fin de la serie)
		Mientras valor < 0 O valor <> trunc(valor) Hacer
			Escribir "El valor ", valor, " no es lo pedido";
			Escribir "Ingrese";
			Leer valor;
		FinMientras
		// El 0 termina la serie sólo cuando ya tiene más de 11 números (12 o más)
		Si valor = 0 Y contador <= 11 Entonces
			Escribir "Debe completar la cantidad mínima";
		FinSi
		Si valor = 0 Y contador > 11 Entonces
			serieTerminada <- Verdadero;
		FinSi
		// Con 17 números (menos de 18) la serie está llena: sólo se acepta el 0
		Si valor <> 0 Y contador = 17 Entonces
			Escribir "Ya completó el máximo de la serie. Ingrese 0";
		FinSi
		// Número aceptado: se cuenta (los pares sólo alargan la serie)
		Si valor <> 0 Y contador < 17 Entonces
			contador <- contador + 1;
			// Si es impar, se cuenta y se suma con los impares
			Si valor MOD 2 <> 0 Entonces
				cantImpares <- cantImpares + 1;
				sumaImpares <- sumaImpares + valor;
			FinSi
		FinSi
	FinMientras

	// Promedio de los impares, si los hay
	Si cantImpares > 0 Entonces
		promedioImpares <- sumaImpares / cantImpares;
	FinSi

	// Resultados: si una clase no tiene números, se muestra el aviso en su lugar
	Si cantImpares = 0 Entonces
		Escribir "Cantidad: ", "No ingresó N° impar";
		Escribir "Suma: ", "No ingresó N° impar";
		Escribir "Promedio: ", "No ingresó N° impar";
	SiNo
		Escribir "Cantidad: ", cantImpares;
		Escribir "Suma: ", sumaImpares;
		Escribir "Promedio: ", promedioImpares;
	FinSi
FinAlgoritmo
