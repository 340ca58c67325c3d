// Cuenta los números primos menores que 30000 por división de prueba, y escribe
// solo cuántos son (3245). Un número es primo si ninguno de los divisores que se
// prueban lo divide; basta probar hasta su raíz cuadrada: si n = a * b, uno de
// los dos factores no pasa de ella.
Algoritmo Primos
	Definir n, d, cantidad Como Entero;
	Definir esPrimo Como Logico;
	
	// El 2 es el único primo par: los demás pares no hace falta probarlos
	cantidad <- 1;
	Para n <- 3 Hasta 29999 Con Paso 2 Hacer
		// Un número impar solo puede tener divisores impares
		esPrimo <- Verdadero;
		d <- 3;
		Mientras d * d <= n Hacer
			Si n MOD d = 0 Entonces
				esPrimo <- Falso;
			FinSi
			d <- d + 2;
		FinMientras
		Si esPrimo Entonces
			cantidad <- cantidad + 1;
		FinSi
	FinPara
	
	Escribir cantidad;
FinAlgoritmo
