Algoritmo Ejercicio40
	// Variables
	Definir contador, ordenMayor, ordenMenor Como Entero;
	Definir valor, suma, promedio, mayor, menor Como Real;
	Definir serieTerminada Como Logico;

	// Inicio
	contador <- 0;
	suma <- 0;
	serieTerminada <- Falso;

	// Ingreso de la serie: termina con 0 (que no se cuenta) y tiene más de 9 y menos de 15 números
	Mientras NO serieTerminada Hacer
		Escribir "Ingrese";
		Leer valor;
		// Se vuelve a pedir mientras no sea un número entero
		Mientras valor <> trunc(valor) Hacer
			Escribir "El valor ", valor, " no es lo pedido";
			Escribir "Ingrese";
			Leer valor;
		FinMientras
		// El 0 termina la serie sólo cuando ya tiene más de 9 números (10 o más)
		Si valor = 0 Y contador <= 9 Entonces
			Escribir "Debe completar la cantidad mínima";
		FinSi
		Si valor = 0 Y contador > 9 Entonces
			serieTerminada <- Verdadero;
		FinSi
		// Con 14 números (menos de 15) la serie está llena: sólo se acepta el 0
		Si valor <> 0 Y contador = 14 Entonces
			Escribir "Ya completó el máximo de la serie. Ingrese 0";
		FinSi
		// Número aceptado: se cuenta y se suma; su orden de ingreso es el contador
		Si valor <> 0 Y contador < 14 Entonces
			contador <- contador + 1;
			suma <- suma + valor;
			// El primero es el mayor; después sólo lo reemplaza uno más grande (con un empate queda el primero)
			Si contador = 1 O valor > mayor Entonces
				mayor <- valor;
				ordenMayor <- contador;
			FinSi
			// El primero es también el menor; después sólo lo reemplaza uno más chico
			Si contador = 1 O valor < menor Entonces
				menor <- valor;
				ordenMenor <- contador;
			FinSi
		FinSi
	FinMientras

	// Promedio: la serie tiene por lo menos 10 números
	promedio <- suma / contador;

	// Resultados
	Escribir "Cantidad: ", contador;
	Escribir "Suma: ", suma;
	Escribir "Promedio: ", promedio;
	Escribir "Mayor: ", mayor;
	Escribir "Orden del mayor: ", ordenMayor;
	Escribir "Menor: ", menor;
	Escribir "Orden del menor: ", ordenMenor;
FinAlgoritmo
