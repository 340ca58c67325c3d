// Se espera: difiere en el ingreso 8
// Dice: la ventana completó la serie y muestra en «El Menor»
// El menor empieza en 99999, un número "grande" elegido a ojo: si los ocho números
// son mayores, queda 99999, que no se ingresó.
Algoritmo Ejercicio05
	Definir i Como Entero
	Definir n, menor Como Real
	menor <- 99999
	Para i <- 1 Hasta 8 Hacer
		Escribir "Ingrese un número"
		Leer n
		Si n < menor Entonces
			menor <- n
		FinSi
	FinPara
	Escribir "El menor es: ", menor
FinAlgoritmo
