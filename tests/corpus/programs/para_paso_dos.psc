Algoritmo ParaPasoDos
	Para i <- 1 Hasta 10 Con Paso 2 Hacer
		Escribir Sin Saltar i, " "
	FinPara
	Escribir ""
	Escribir "después: ", i
	// el final no tiene por qué alcanzarse exactamente
	Para i <- 0 Hasta 9 Con Paso 3 Hacer
		Escribir Sin Saltar i, " "
	FinPara
	Escribir ""
	Escribir "después: ", i
FinAlgoritmo
