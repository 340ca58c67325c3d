// Se espera: error en la línea 11
// Falta el FinSi del Si que busca el menor: el FinPara llega con el Si abierto.
Algoritmo Ejercicio05
	Definir i Como Entero
	Definir n, menor Como Real
	Para i <- 1 Hasta 8 Hacer
		Escribir "Ingrese"
		Leer n
		Si i = 1 O n < menor Entonces
			menor <- n
	FinPara
	Escribir "El Menor: ", menor
FinAlgoritmo
