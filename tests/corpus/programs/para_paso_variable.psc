// El paso puede ser una variable
Algoritmo ParaPasoVariable
	p <- -1
	Para i <- 4 Hasta 1 Con Paso p Hacer
		Escribir Sin Saltar i, " "
	FinPara
	Escribir ""
	Escribir "después: ", i
	p <- 2
	Para i <- 1 Hasta 6 Con Paso p Hacer
		Escribir Sin Saltar i, " "
	FinPara
	Escribir ""
	Escribir "después: ", i
FinAlgoritmo
