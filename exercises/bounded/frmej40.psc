Algoritmo Ejercicio40
	// Variables del ejercicio
	Definir valor, contador, suma, promedio Como Real;
	Definir mayor, menor, ordenMayor, ordenMenor Como Real;
	
	// Inicio
	contador <- 0;
	suma <- 0;
	promedio <- 0;
	mayor <- 0;
	menor <- 0;
	ordenMayor <- 0;
	ordenMenor <- 0;
	
	// Ingreso de la serie: termina con 0 y tiene más de 9 y menos de 15 números
	Repetir
		Escribir "Ingrese";
		Leer valor;
		// Se descarta lo que no es un número entero
		Si valor <> trunc(valor) Entonces
			Escribir "El valor ", valor, " no es lo pedido";
		SiNo
			Si valor = 0 Entonces
				// El 0 cierra la serie sólo si ya tiene más de 9 números
				Si contador <= 9 Entonces
					Escribir "Debe completar la cantidad mínima";
				FinSi
			SiNo
				// Con 14 números la serie está llena: sólo se acepta el 0
				Si contador = 14 Entonces
					Escribir "Ya completó el máximo de la serie. Ingrese 0";
				SiNo
					// Se cuenta el número, se suma y se recalcula el promedio
					contador <- contador + 1;
					suma <- suma + valor;
					promedio <- suma / contador;
					// El primero es el menor y el mayor; después se mira primero el menor
					Si contador = 1 Entonces
						menor <- valor;
						ordenMenor <- contador;
						mayor <- valor;
						ordenMayor <- contador;
					SiNo
						Si valor < menor Entonces
							menor <- valor;
							ordenMenor <- contador;
						SiNo
							Si valor > mayor Entonces
								mayor <- valor;
								ordenMayor <- contador;
							FinSi
						FinSi
					FinSi
				FinSi
			FinSi
		FinSi
	Hasta Que valor = 0 Y contador > 9;
	
	// Resultados
	Escribir "Cantidad/Suma/Promedio: ", contador;
	Escribir "Cantidad/Suma/Promedio: ", suma;
	Escribir "Cantidad/Suma/Promedio: ", promedio;
	Escribir "Mayor / Orden: ", mayor;
	Escribir "Mayor / Orden: ", ordenMayor;
	Escribir "Menor / Orden: ", menor;
	Escribir "Menor / Orden: ", ordenMenor;
FinAlgoritmo
