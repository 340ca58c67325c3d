// Se espera: difiere en el ingreso 19
// Dice: muestra en «El Promedio de los N° Ingresados»
// El promedio se calcula después del Para con su variable, que al salir vale 20:
// divide por 20 en lugar de 19.
Algoritmo Ejercicio17
	Definir i, ordenMayor, ordenMenor Como Entero
	Definir valor, suma, mayor, menor Como Real
	suma <- 0
	Para i <- 1 Hasta 19 Hacer
		Escribir "Ingrese"
		Leer valor
		suma <- suma + valor
		Si i = 1 O valor > mayor Entonces
			mayor <- valor
			ordenMayor <- i
		FinSi
		Si i = 1 O valor < menor Entonces
			menor <- valor
			ordenMenor <- i
		FinSi
	FinPara
	Escribir "La Cantidad: ", 19
	Escribir "La Suma: ", suma
	Escribir "El Promedio: ", suma / i
	Escribir "El Mayor: ", mayor, " Orden: ", ordenMayor
	Escribir "El Menor: ", menor, " Orden: ", ordenMenor
FinAlgoritmo
