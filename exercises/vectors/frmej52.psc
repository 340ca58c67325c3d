Algoritmo Ejercicio52
	// Variables
	Definir valor Como Real;
	Definir contador Como Entero;
	Definir v Como Real;
	Definir cantNegativos Como Entero;
	Definir sumaNegativos, promedioNegativos Como Real;
	Definir k Como Entero;
	Dimension v[18];

	// Ingreso de los 18 números enteros, cada uno guardado en el vector
	contador <- 0;
	Mientras contador < 18 Hacer
		Escribir "Ingrese";
		Leer valor;
		// Se rechaza el número con decimales
		Si valor <> trunc(valor) Entonces
			Escribir "El valor ", valor, " no es lo pedido";
		SiNo
			contador <- contador + 1;
			v[contador] <- valor;
		FinSi
	FinMientras

	// Cantidad y suma de los negativos del vector
	// Atención: el 0 se cuenta con los negativos
	cantNegativos <- 0;
	sumaNegativos <- 0;
	Para k <- 1 Hasta 18 Con Paso 1 Hacer
		Si v[k] <= 0 Entonces
			cantNegativos <- cantNegativos + 1;
			sumaNegativos <- sumaNegativos + v[k];
		FinSi
	FinPara

	// Promedio de los negativos, sólo si hay alguno
	Si cantNegativos > 0 Entonces
		promedioNegativos <- sumaNegativos / cantNegativos;
	FinSi

	// Resultados
	Escribir Sin Saltar "Vector: ";
	Para k <- 1 Hasta 18 Con Paso 1 Hacer
		Escribir Sin Saltar " ", v[k];
	FinPara
	Escribir "";
	Si cantNegativos = 0 Entonces
		Escribir "Cantidad: ", "No ingresó N° negativo";
		Escribir "Suma: ", "No ingresó N° negativo";
		Escribir "Promedio: ", "No ingresó N° negativo";
	SiNo
		Escribir "Cantidad: ", cantNegativos;
		Escribir "Suma: ", sumaNegativos;
		Escribir "Promedio: ", promedioNegativos;
	FinSi
FinAlgoritmo
