// Ejercicio 01: la suma de 10 números
Algoritmo Ejercicio01
	suma <- 0
	Para i <- 1 Hasta 10 Hacer
		Escribir "Ingrese el número ", i
		Leer valor
		suma <- suma + valor
	FinPara
	Escribir "Suma: ", suma
FinAlgoritmo
