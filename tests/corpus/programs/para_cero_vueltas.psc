// Un Para que no da ninguna vuelta deja la variable en el inicio
Algoritmo ParaCeroVueltas
	vueltas <- 0
	Para i <- 5 Hasta 1 Con Paso 1 Hacer
		vueltas <- vueltas + 1
	FinPara
	Escribir "vueltas: ", vueltas, " i: ", i
	Para j <- 1 Hasta 3 Con Paso -1 Hacer
		vueltas <- vueltas + 1
	FinPara
	Escribir "vueltas: ", vueltas, " j: ", j
FinAlgoritmo
