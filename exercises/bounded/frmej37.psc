Algoritmo Ejercicio37
	// Variables del ejercicio
	Definir valor, contador Como Real;
	Definir mayor, ordenMayor, menor, ordenMenor Como Real;
	
	// Inicio
	contador <- 0;
	mayor <- 0;
	ordenMayor <- 0;
	menor <- 0;
	ordenMenor <- 0;
	
	// Ingreso de la serie: termina con 0 y tiene más de 6 y menos de 14 números
	Repetir
		Escribir "Ingrese";
		Leer valor;
		// Se descarta lo que no es un número entero
		Si valor <> trunc(valor) Entonces
			Escribir "El valor ", valor, " no es lo pedido";
		SiNo
			Si valor = 0 Entonces
				// El 0 cierra la serie sólo si ya tiene más de 6 números
				Si contador <= 6 Entonces
					Escribir "Debe completar la cantidad mínima";
				FinSi
			SiNo
				// Con 13 números la serie está llena: sólo se acepta el 0
				Si contador = 13 Entonces
					Escribir "Ya completó el máximo de la serie. Ingrese 0";
				SiNo
					// Se cuenta el número
					contador <- contador + 1;
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
	Hasta Que valor = 0 Y contador > 6;
	
	// Resultados
	Escribir "Menor / Orden: ", menor;
	Escribir "Menor / Orden: ", ordenMenor;
	Escribir "Mayor / Orden: ", mayor;
	Escribir "Mayor / Orden: ", ordenMayor;
FinAlgoritmo
