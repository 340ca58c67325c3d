// Se espera: difiere en el ingreso 12
// Dice: muestra en «El Orden de Ingreso»
// El mayor empieza en 0 y no toma el primer número: con doce ceros, o doce
// negativos, ninguno lo supera y el orden queda en 0.
Algoritmo Ejercicio13
	Definir i, orden Como Entero
	Definir n, mayor Como Real
	mayor <- 0
	orden <- 0
	Para i <- 1 Hasta 12 Hacer
		Escribir "Ingrese"
		Leer n
		Si n > mayor Entonces
			mayor <- n
			orden <- i
		FinSi
	FinPara
	Escribir "El Mayor: ", mayor
	Escribir "El Orden de Ingreso: ", orden
FinAlgoritmo
