Algoritmo ParaPasoNegativo
	Para i <- 3 Hasta 0 Con Paso -1 Hacer
		Escribir Sin Saltar i, " "
	FinPara
	Escribir ""
	Escribir "después: ", i
	Para i <- 10 Hasta 1 Con Paso -4 Hacer
		Escribir Sin Saltar i, " "
	FinPara
	Escribir ""
	Escribir "después: ", i
FinAlgoritmo
