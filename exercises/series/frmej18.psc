Algoritmo Ejercicio18
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

	// Factorial hacia arriba: se empieza por n y se multiplica por 1, 2, ..., n - 1
	producto <- n;
	Para multiplicador <- 1 Hasta n - 1 Hacer
		producto <- producto * multiplicador;
	FinPara

	// Resultados
	Escribir "Factorial: ", producto;
FinAlgoritmo
