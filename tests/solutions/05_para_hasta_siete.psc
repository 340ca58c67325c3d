// Se espera: difiere en el ingreso 7
// Dice: la ventana lo aceptó y espera otro valor; tu algoritmo terminó
// El Para llega hasta 7: el algoritmo termina un número antes que la ventana.
Algoritmo Ejercicio05
	Definir i Como Entero
	Definir n, menor Como Real
	Para i <- 1 Hasta 7 Hacer
		Escribir "Ingrese"
		Leer n
		Si i = 1 O n < menor Entonces
			menor <- n
		FinSi
	FinPara
	Escribir "El Menor: ", menor
FinAlgoritmo
