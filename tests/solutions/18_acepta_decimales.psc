// Se espera: difiere en el ingreso 1
// Dice: la ventana lo rechazó («El valor 7,5 no es lo pedido»)
// Controla que el número esté entre 6 y 14, pero se olvida de que debe ser entero:
// 7,5 pasa, y el factorial se calcula con él.
Algoritmo CalculoFactorial
	Definir numero, factorial, i Como Real
	Escribir "Ingrese un número entero entre 6 y 14:"
	Leer numero
	Mientras numero <= 5 O numero >= 15 Hacer
		Escribir "Debe ser mayor a 5 y menor a 15"
		Leer numero
	FinMientras
	factorial <- 1
	Para i <- 2 Hasta numero Hacer
		factorial <- factorial * i
	FinPara
	Escribir "El factorial de ", numero, " es ", factorial
FinAlgoritmo
