Algoritmo Ejercicio19
	// Variables
	Definir valor Como Real;
	Definir contador Como Entero;
	Definir resto, potencia Como Real;
	Definir cantPares Como Entero;
	Definir sumaPares Como Real;

	// Contador, cantidades y sumas en 0
	contador <- 0;
	cantPares <- 0;
	sumaPares <- 0;

	// Ingreso de los 15 números
	Mientras contador < 15 Hacer
		Escribir "Ingrese";
		Leer valor;
		// Se rechaza el número negativo o con decimales
		// Atención: el 0 se acepta, y es par
		Si valor < 0 O valor <> trunc(valor) Entonces
			Escribir "El valor ", valor, " no es lo pedido";
		SiNo
			// Se cuenta el número aceptado
			contador <- contador + 1;
			// Paridad sin dividir ni multiplicar (lo pide el enunciado): a resto se le
			// resta la mayor potencia de 2 que cabe en él (2, 4, 8..., cada una la anterior
			// sumada a sí misma) hasta que queda 0 (par) o 1 (impar).
			// Atención: no se resta de a 2 porque con un número grande serían millones de
			// vueltas, y desde 33554440 el Real ya no cambia al restarle 2.
			resto <- valor;
			Mientras resto >= 2 Hacer
				potencia <- 2;
				Mientras potencia + potencia <= resto Hacer
					potencia <- potencia + potencia;
				FinMientras
				resto <- resto - potencia;
			FinMientras
			// Si es par, se cuenta y se suma
			Si resto = 0 Entonces
				cantPares <- cantPares + 1;
				sumaPares <- sumaPares + valor;
			FinSi
		FinSi
	FinMientras

	// Resultados
	Si cantPares = 0 Entonces
		Escribir "Cantidad: ", "No ingresó N° pares";
		Escribir "La Suma de los N° Pares: ", "No ingresó N° pares";
	SiNo
		Escribir "Cantidad: ", cantPares;
		Escribir "La Suma de los N° Pares: ", sumaPares;
	FinSi
FinAlgoritmo
