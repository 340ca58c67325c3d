Algoritmo Ejercicio39
	// Variables del ejercicio
	Definir valor, contador, suma, promedio Como Real;
	Definir cantPositivos, sumaPositivos, promedioPositivos Como Real;
	Definir cantNegativos, sumaNegativos, promedioNegativos Como Real;
	
	// Inicio
	contador <- 0;
	suma <- 0;
	promedio <- 0;
	cantPositivos <- 0;
	sumaPositivos <- 0;
	promedioPositivos <- 0;
	cantNegativos <- 0;
	sumaNegativos <- 0;
	promedioNegativos <- 0;
	
	// Ingreso de la serie: termina con 0 y tiene más de 8 y menos de 15 números
	Repetir
		Escribir "Ingrese";
		Leer valor;
		// Se descarta lo que no es un número entero
		Si valor <> trunc(valor) Entonces
			Escribir "El valor ", valor, " no es lo pedido";
		SiNo
			Si valor = 0 Entonces
				// El 0 cierra la serie sólo si ya tiene más de 8 números
				Si contador <= 8 Entonces
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
	Hasta Que valor = 0 Y contador > 8;
	
	// Resultados
	Escribir "Suma y Promedio: ", suma;
	Escribir "Suma y Promedio: ", promedio;
	Si cantPositivos = 0 Entonces
		Escribir "Suma y Promedio N° Positivo: ", "No ingresó N° positivo";
		Escribir "Suma y Promedio N° Positivo: ", "No ingresó N° positivo";
	SiNo
		Escribir "Suma y Promedio N° Positivo: ", sumaPositivos;
		Escribir "Suma y Promedio N° Positivo: ", promedioPositivos;
	FinSi
	Si cantNegativos = 0 Entonces
		Escribir "Suma y Promedio N° Negativo: ", "No ingresó N° negativo";
		Escribir "Suma y Promedio N° Negativo: ", "No ingresó N° negativo";
	SiNo
		Escribir "Suma y Promedio N° Negativo: ", sumaNegativos;
		Escribir "Suma y Promedio N° Negativo: ", promedioNegativos;
	FinSi
FinAlgoritmo
