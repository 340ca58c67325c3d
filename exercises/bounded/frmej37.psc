Algoritmo Ejercicio37
	// Variables
	Definir contador, ordenMenor, ordenMayor Como Entero;
	Definir valor, menor, mayor Como Real;
	Definir serieTerminada Como Logico;

	// Inicio
	contador <- 0;
	serieTerminada <- Falso;

	// Ingreso de la serie: termina con 0 (que no se cuenta) y tiene más de 6 y menos de 14 números
	Mientras NO serieTerminada Hacer
		Escribir "Ingrese";
		Leer valor;
		// Se vuelve a pedir mientras no sea un número entero
		Mientras valor <> trunc(valor) Hacer
			Escribir "El valor ", valor, " no es lo pedido";
			Escribir "Ingrese";
			Leer valor;
		FinMientras
		// El 0 termina la serie sólo cuando ya tiene más de 6 números (7 o más)
		Si valor = 0 Y contador <= 6 Entonces
			Escribir "Debe completar la cantidad mínima";
		FinSi
		Si valor = 0 Y contador > 6 Entonces
			serieTerminada <- Verdadero;
		FinSi
		// Con 13 números (menos de 14) la serie está llena: sólo se acepta el 0
		Si valor <> 0 Y contador = 13 Entonces
			Escribir "Ya completó el máximo de la serie. Ingrese 0";
		FinSi
		// Número aceptado: se cuenta; su orden de ingreso es el contador
		Si valor <> 0 Y contador < 13 Entonces
			contador <- contador + 1;
			// El primero es el menor; después sólo lo reemplaza uno más chico (con un empate queda el primero)
			Si contador = 1 O valor < menor Entonces
				menor <- valor;
				ordenMenor <- contador;
			FinSi
			// El primero es también el mayor; después sólo lo reemplaza uno más grande
			Si contador = 1 O valor > mayor Entonces
				mayor <- valor;
				ordenMayor <- contador;
			FinSi
		FinSi
	FinMientras

	// Resultados
	Escribir "Menor: ", menor;
	Escribir "Orden del menor: ", ordenMenor;
	Escribir "Mayor: ", mayor;
	Escribir "Orden del mayor: ", ordenMayor;
FinAlgoritmo
