Algoritmo Ejercicio36
	// Variables
	Definir contador Como Entero;
	Definir valor, suma, promedio Como Real;
	Definir serieTerminada Como Logico;

	// Inicio
	contador <- 0;
	suma <- 0;
	serieTerminada <- Falso;

	// Ingreso de la serie: termina con 0 (que no se cuenta) y tiene más de 15 y menos de 25 números
	Mientras NO serieTerminada Hacer
		Escribir "Ingrese";
		Leer valor;
		// Se vuelve a pedir mientras no sea un número entero
		Mientras valor <> trunc(valor) Hacer
			Escribir "El valor ", valor, " no es lo pedido";
			Escribir "Ingrese";
			Leer valor;
		FinMientras
		// El 0 termina la serie sólo cuando ya tiene más de 15 números (16 o más)
		Si valor = 0 Y contador <= 15 Entonces
			Escribir "Debe completar la cantidad mínima";
		FinSi
		Si valor = 0 Y contador > 15 Entonces
			serieTerminada <- Verdadero;
		FinSi
		// Con 24 números (menos de 25) la serie está llena: sólo se acepta el 0
		Si valor <> 0 Y contador = 24 Entonces
			Escribir "Ya completó el máximo de la serie. Ingrese 0";
		FinSi
		// Número aceptado: se cuenta y se suma
		Si valor <> 0 Y contador < 24 Entonces
			contador <- contador + 1;
			suma <- suma + valor;
		FinSi
	FinMientras

	// Promedio: la serie tiene por lo menos 16 números
	promedio <- suma / contador;

	// Resultados
	Escribir "Cantidad: ", contador;
	Escribir "Suma: ", suma;
	Escribir "Promedio: ", promedio;
FinAlgoritmo
