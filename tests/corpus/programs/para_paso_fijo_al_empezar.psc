// El paso y el final se toman una sola vez, al empezar el Para
Algoritmo ParaPasoFijo
	p <- 1
	Para i <- 1 Hasta 5 Con Paso p Hacer
		Escribir Sin Saltar i, " "
		p <- -1
	FinPara
	Escribir ""
	Escribir "después: ", i, " paso: ", p
	n <- 3
	Para i <- 1 Hasta n Hacer
		Escribir Sin Saltar i, " "
		n <- 10
	FinPara
	Escribir ""
	Escribir "después: ", i
FinAlgoritmo
