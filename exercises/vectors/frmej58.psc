Algoritmo Ejercicio58
	// Variables
	Definir valor Como Real;
	Definir contador Como Entero;
	Definir v Como Real;
	Definir suma, resto Como Real;
	// Atención: las cantidades de billetes y monedas son Real, como los demás números
	// del ejercicio; pasado 16777216, un Real ya no crece de a 1 y la cantidad queda allí
	Definir billetes100, billetes50, billetes20, billetes10 Como Real;
	Definir billetes5, billetes2, monedas1 Como Real;
	Definir k Como Entero;
	Dimension v[18];

	// Ingreso de los 18 importes enteros y positivos, cada uno guardado en el vector
	// Atención: el importe 0 se acepta, aunque el enunciado pide positivos
	contador <- 0;
	Mientras contador < 18 Hacer
		Escribir "Ingrese";
		Leer valor;
		// Se rechaza el importe negativo o con decimales
		Si valor < 0 O valor <> trunc(valor) Entonces
			Escribir "El valor ", valor, " no es lo pedido";
		SiNo
			contador <- contador + 1;
			v[contador] <- valor;
		FinSi
	FinMientras

	// Suma y corte de cada importe del vector; las cantidades de billetes
	// y monedas se acumulan para todos los importes
	suma <- 0;
	billetes100 <- 0;
	billetes50 <- 0;
	billetes20 <- 0;
	billetes10 <- 0;
	billetes5 <- 0;
	billetes2 <- 0;
	monedas1 <- 0;
	Para k <- 1 Hasta 18 Con Paso 1 Hacer
		suma <- suma + v[k];
		// Corte: del billete mayor a la moneda, mientras alcance el resto
		resto <- v[k];
		Mientras resto >= 100 Hacer
			resto <- resto - 100;
			billetes100 <- billetes100 + 1;
		FinMientras
		Mientras resto >= 50 Hacer
			resto <- resto - 50;
			billetes50 <- billetes50 + 1;
		FinMientras
		Mientras resto >= 20 Hacer
			resto <- resto - 20;
			billetes20 <- billetes20 + 1;
		FinMientras
		Mientras resto >= 10 Hacer
			resto <- resto - 10;
			billetes10 <- billetes10 + 1;
		FinMientras
		Mientras resto >= 5 Hacer
			resto <- resto - 5;
			billetes5 <- billetes5 + 1;
		FinMientras
		Mientras resto >= 2 Hacer
			resto <- resto - 2;
			billetes2 <- billetes2 + 1;
		FinMientras
		Mientras resto >= 1 Hacer
			resto <- resto - 1;
			monedas1 <- monedas1 + 1;
		FinMientras
	FinPara

	// Resultados
	Escribir Sin Saltar "Vector: ";
	Para k <- 1 Hasta 18 Con Paso 1 Hacer
		Escribir Sin Saltar " ", v[k];
	FinPara
	Escribir "";
	Escribir "Suma de los importes a abonar: ", suma;
	Escribir "Cant. de billetes de $100: ", billetes100;
	Escribir "Cant. de billetes de $50: ", billetes50;
	Escribir "Cant. de billetes de $20: ", billetes20;
	Escribir "Cant. de billetes de $10: ", billetes10;
	Escribir "Cant. de billetes de $5: ", billetes5;
	Escribir "Cant. de billetes de $2: ", billetes2;
	Escribir "Cant. de monedas de $1: ", monedas1;
FinAlgoritmo
