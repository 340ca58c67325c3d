// Se espera: difiere en el ingreso 12
// Dice: muestra en «El Orden de Ingreso»
// Usa >= en lugar de >: con el mayor repetido guarda el orden del último, y la
// ventana el del primero.
Algoritmo Ejercicio13
	Definir i, orden Como Entero
	Definir n, mayor Como Real
	Para i <- 1 Hasta 12 Hacer
		Escribir "Ingrese"
		Leer n
		Si i = 1 O n >= mayor Entonces
			mayor <- n
			orden <- i
		FinSi
	FinPara
	Escribir "El Mayor: ", mayor
	Escribir "El Orden de Ingreso: ", orden
FinAlgoritmo
