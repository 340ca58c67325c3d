Algoritmo Ejercicio36
	// Variables del ejercicio
	Definir valor, contador, suma, promedio Como Real;
	
	// Inicio
	contador <- 0;
	suma <- 0;
	promedio <- 0;
	
	// Ingreso de la serie: termina con 0 y tiene más de 15 y menos de 25 números
	Repetir
		Escribir "Ingrese";
		Leer valor;
		// Se descarta lo que no es un número entero
		Si valor <> trunc(valor) Entonces
			Escribir "El valor ", valor, " no es lo pedido";
		SiNo
			Si valor = 0 Entonces
				// El 0 cierra la serie sólo si ya tiene más de 15 números
				Si contador <= 15 Entonces
					Escribir "Debe completar la cantidad mínima";
				FinSi
			SiNo
				// Con 24 números la serie está llena: sólo se acepta el 0
				Si contador = 24 Entonces
					Escribir "Ya completó el máximo de la serie. Ingrese 0";
				SiNo
					// Se cuenta el número, se suma y se recalcula el promedio
					contador <- contador + 1;
					suma <- suma + valor;
					promedio <- suma / contador;
				FinSi
			FinSi
		FinSi
	Hasta Que valor = 0 Y contador > 15;
	
	// Resultados
	Escribir "Cantidad: ", contador;
	Escribir "Suma: ", suma;
	Escribir "Promedio: ", promedio;
FinAlgoritmo
