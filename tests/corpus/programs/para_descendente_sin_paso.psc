// Si el final es menor que el inicio y no hay paso, cuenta hacia abajo
Algoritmo ParaDescendente
	Para i <- 5 Hasta 1 Hacer
		Escribir Sin Saltar i, " "
	FinPara
	Escribir ""
	Escribir "después: ", i
FinAlgoritmo
