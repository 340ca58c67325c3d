Algoritmo Ejercicio26
	// Variables del ejercicio
	Definir valor, contador, copia Como Real;
	Definir cantImpares, menorImpar, ordenMenorImpar Como Real;
	
	// Inicio
	contador <- 0;
	cantImpares <- 0;
	menorImpar <- 0;
	ordenMenorImpar <- 0;
	
	// Ingreso de los 13 números
	Mientras contador < 13 Hacer
		Escribir "Ingrese";
		Leer valor;
		// Se descarta lo que no es pedido: un número negativo o con decimales
		Si valor < 0 O valor <> trunc(valor) Entonces
			Escribir "El valor ", valor, " no es lo pedido";
		SiNo
			contador <- contador + 1;
			// Paridad por restas sucesivas
			copia <- valor;
			Mientras copia >= 2 Hacer
				copia <- copia - 2;
			FinMientras
			// Si es impar, se cuenta
			Si copia = 1 Entonces
				cantImpares <- cantImpares + 1;
				// El primero, o uno menor que el menor, pasa a ser el menor con su orden
				Si cantImpares = 1 O valor < menorImpar Entonces
					menorImpar <- valor;
					ordenMenorImpar <- contador;
				FinSi
			FinSi
		FinSi
	FinMientras
	
	// Resultados
	Si cantImpares = 0 Entonces
		Escribir "Menor: ", "No ingresó N° impares";
		Escribir "Orden de ingreso: ", "No ingresó N° impares";
	SiNo
		Escribir "Menor: ", menorImpar;
		Escribir "Orden de ingreso: ", ordenMenorImpar;
	FinSi
FinAlgoritmo
