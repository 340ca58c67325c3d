Algoritmo Ejercicio66
	// Variables
	Definir valor Como Real;
	Definir contador, cantSueldos Como Entero;
	Definir sumaBruta, sumaNeta, resto Como Real;
	// Atención: las cantidades de billetes y monedas son Real, como los demás números
	// del ejercicio; pasado 16777216, un Real ya no crece de a 1 y la cantidad queda allí
	Definir billetes100, billetes50, billetes20, billetes10 Como Real;
	Definir billetes5, billetes2, monedas1 Como Real;
	Definir vBruto, vNeto Como Real;
	Definir k Como Entero;

	// Ingreso de la cantidad de sueldos: un entero mayor que 0
	cantSueldos <- 0;
	Mientras cantSueldos = 0 Hacer
		Escribir "Ingrese";
		Leer valor;
		Si valor <= 0 O valor <> trunc(valor) Entonces
			Escribir "El valor ", valor, " no es lo pedido";
		SiNo
			cantSueldos <- valor;
		FinSi
	FinMientras

	// Los dos vectores, del tamaño pedido: sueldos brutos y sueldos netos
	Dimension vBruto[cantSueldos], vNeto[cantSueldos];

	// Ingreso de los sueldos brutos, cada uno guardado en el vector de brutos
	contador <- 0;
	Mientras contador < cantSueldos Hacer
		Escribir "Ingrese Importe";
		Leer valor;
		// Se rechaza el importe que no es mayor que 0 (los centavos se aceptan)
		Si valor <= 0 Entonces
			Escribir "El valor ", valor, " no es lo pedido";
		SiNo
			contador <- contador + 1;
			vBruto[contador] <- valor;
		FinSi
	FinMientras

	// Para cada sueldo: el neto, las sumas y el corte del neto; las cantidades
	// de billetes y monedas se acumulan para todos los sueldos
	sumaBruta <- 0;
	sumaNeta <- 0;
	billetes100 <- 0;
	billetes50 <- 0;
	billetes20 <- 0;
	billetes10 <- 0;
	billetes5 <- 0;
	billetes2 <- 0;
	monedas1 <- 0;
	Para k <- 1 Hasta cantSueldos Con Paso 1 Hacer
		// Neto: se descuenta el 17 % de cargas sociales (queda el 83 %)
		vNeto[k] <- vBruto[k] * 0.83;
		// Atención: el neto se lleva a pesos enteros sumándole 0.99 y quitándole
		// la fracción. Una fracción de un centavo o más sube al peso siguiente
		// (1001 da 830.83, que se paga 831); una de menos de un centavo se pierde
		// (100.01 da 83.0083, que se paga 83)
		vNeto[k] <- trunc(vNeto[k] + 0.99);
		sumaBruta <- sumaBruta + vBruto[k];
		sumaNeta <- sumaNeta + vNeto[k];
		// Corte del neto: del billete mayor a la moneda, mientras alcance el resto
		resto <- vNeto[k];
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
	Para k <- 1 Hasta cantSueldos Con Paso 1 Hacer
		Escribir Sin Saltar " ", vBruto[k];
	FinPara
	Escribir "";
	Escribir "Suma de los sueldos brutos: ", sumaBruta;
	Escribir "Suma de los importes a abonar: ", sumaNeta;
	Escribir "Cant. de billetes de $100: ", billetes100;
	Escribir "Cant. de billetes de $50: ", billetes50;
	Escribir "Cant. de billetes de $20: ", billetes20;
	Escribir "Cant. de billetes de $10: ", billetes10;
	Escribir "Cant. de billetes de $5: ", billetes5;
	Escribir "Cant. de billetes de $2: ", billetes2;
	Escribir "Cant. de monedas de $1: ", monedas1;
FinAlgoritmo
