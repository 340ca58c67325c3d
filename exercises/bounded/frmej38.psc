Algoritmo Ejercicio38
	// Variables del ejercicio
	Definir valor, contador Como Real;
	Definir cantPositivos, sumaPositivos, promedioPositivos Como Real;
	Definir cantNegativos, sumaNegativos, promedioNegativos Como Real;
	
	// Inicio
	contador <- 0;
	cantPositivos <- 0;
	sumaPositivos <- 0;
	promedioPositivos <- 0;
	cantNegativos <- 0;
	sumaNegativos <- 0;
	promedioNegativos <- 0;
	
	// Ingreso de la serie: termina con 0 y tiene más de 11 y menos de 18 números
	Repetir
		Escribir "Ingrese";
		Leer valor;
		// Se descarta lo que no es un número entero
		Si valor <> trunc(valor) Entonces
			Escribir "El valor ", valor, " no es lo pedido";
		SiNo
			Si valor = 0 Entonces
				// El 0 cierra la serie sólo si ya tiene más de 11 números
				Si contador <= 11 Entonces
					Escribir "Debe completar la cantidad mínima";
				FinSi
			SiNo
				// Con 17 números la serie está llena: sólo se acepta el 0
				Si contador = 17 Entonces
					Escribir "Ya completó el máximo de la serie. Ingrese 0";
				SiNo
					// Se cuenta el número
					contador <- contador + 1;
					// Negativo o positivo: cantidad, suma y promedio de su clase
					Si valor < 0 Entonces
						cantNegativos <- cantNegativos + 1;
						sumaNegativos <- sumaNegativos + valor;
						promedioNegativos <- sumaNegativos / cantNegativos;
					SiNo
						cantPositivos <- cantPositivos + 1;
						sumaPositivos <- sumaPositivos + valor;
						promedioPositivos <- sumaPositivos / cantPositivos;
					FinSi
				FinSi
			FinSi
		FinSi
	Hasta Que valor = 0 Y contador > 11;
	
	// Resultados
	Si cantPositivos = 0 Entonces
		Escribir "Promedio Positivo: ", "No ingresó N° positivo";
	SiNo
		Escribir "Promedio Positivo: ", promedioPositivos;
	FinSi
	Si cantNegativos = 0 Entonces
		Escribir "Promedio Negativo: ", "No ingresó N° negativo";
	SiNo
		Escribir "Promedio Negativo: ", promedioNegativos;
	FinSi
FinAlgoritmo
