Algoritmo Ejercicio18
	// Variables del ejercicio
	Definir n, multiplicador, producto Como Real;

	// Inicio
	multiplicador <- 1;
	producto <- 1;

	// Ingreso de un número entero mayor a 5 y menor a 15
	Repetir
		Escribir "Ingrese";
		Leer n;
		// Se descarta lo que no es pedido
		Si n <= 5 O n >= 15 O n <> trunc(n) Entonces
			Escribir "El valor ", n, " no es lo pedido";
		FinSi
	Hasta Que n > 5 Y n < 15 Y n = trunc(n);

	// Factorial hacia arriba: n x 1 x 2 x ... x (n - 1)
	producto <- n;
	Mientras multiplicador <> n Hacer
		producto <- producto * multiplicador;
		multiplicador <- multiplicador + 1;
	FinMientras

	// Resultados
	Escribir "Factorial: ", producto;
FinAlgoritmo
