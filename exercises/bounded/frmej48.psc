Algoritmo Ejercicio48
	// Variables
	Definir contador, cantImpares, cantNegativos Como Entero;
	Definir valor, sumaImpares, sumaNegativos Como Real;
	Definir serieTerminada Como Logico;

	// Inicio
	contador <- 0;
	cantImpares <- 0;
	sumaImpares <- 0;
	cantNegativos <- 0;
	sumaNegativos <- 0;
	serieTerminada <- Falso;

	// Ingreso de la serie: termina con 0 (que no se cuenta) y tiene más de 5 y menos de 15 números
	Mientras NO serieTerminada Hacer
		Escribir "Ingrese";
		Leer valor;
		// Se vuelve a pedir mientras no sea un número entero
		Mientras valor <> trunc(valor) Hacer
			Escribir "El valor ", valor, " no es lo pedido";
			Escribir "Ingrese";
			Leer valor;
		FinMientras
		// El 0 termina la serie sólo cuando ya tiene más de 5 números (6 o más)
		Si valor = 0 Y contador <= 5 Entonces
			Escribir "Debe completar la cantidad mínima";
		FinSi
		Si valor = 0 Y contador > 5 Entonces
			serieTerminada <- Verdadero;
		FinSi
		// Con 14 números (menos de 15) la serie está llena: sólo se acepta el 0
		Si valor <> 0 Y contador = 14 Entonces
			Escribir "Ya completó el máximo de la serie. Ingrese 0";
		FinSi
		// Número aceptado: se cuenta; puede estar con los impares, con los negativos, con los dos o con ninguno
		Si valor <> 0 Y contador < 14 Entonces
			contador <- contador + 1;
			// Si es impar, se cuenta y se suma con los impares (-3 MOD 2 da -1: por eso se pregunta distinto de 0)
			Si valor MOD 2 <> 0 Entonces
				cantImpares <- cantImpares + 1;
				sumaImpares <- sumaImpares + valor;
			FinSi
			// Si es negativo, se cuenta y se suma con los negativos
			Si valor < 0 Entonces
				cantNegativos <- cantNegativos + 1;
				sumaNegativos <- sumaNegativos + valor;
			FinSi
		FinSi
	FinMientras

	// Resultados: si una clase no tiene números, se muestra el aviso en su lugar
	Si cantImpares = 0 Entonces
		Escribir "Cantidad Impar: ", "No ingresó N° impar";
		Escribir "Suma Impar: ", "No ingresó N° impar";
	SiNo
		Escribir "Cantidad Impar: ", cantImpares;
		Escribir "Suma Impar: ", sumaImpares;
	FinSi
	Si cantNegativos = 0 Entonces
		Escribir "Cantidad Negativo: ", "No ingresó N° negativo";
		Escribir "Suma Negativo: ", "No ingresó N° negativo";
	SiNo
		Escribir "Cantidad Negativo: ", cantNegativos;
		Escribir "Suma Negativo: ", sumaNegativos;
	FinSi
FinAlgoritmo
