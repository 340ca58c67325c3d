Algoritmo Ejercicio1801
	// Variables
	Definir n Como Real;
	Definir multiplicador Como Entero;
	Definir producto Como Real;

	// Ingreso de un número entero mayor a 5 y menor a 15
	Escribir "Ingrese";
	Leer n;
	// Mientras no sea lo pedido, se avisa y se vuelve a pedir
	// Atención: el 5 y el 15 no se aceptan, ni un número con decimales (distinto de trunc(n))
	Mientras n <= 5 O n >= 15 O n <> trunc(n) Hacer
		Escribir "El valor ", n, " no es lo pedido";
		Escribir "Ingrese";
		Leer n;
	FinMientras

	// Factorial hacia abajo: se empieza por 1 y se multiplica por n, n - 1, ..., 2
	producto <- 1;
	Para multiplicador <- n Hasta 2 Con Paso -1 Hacer
		producto <- producto * multiplicador;
	FinPara

	// Resultados
	Escribir "Factorial: ", producto;
FinAlgoritmo
