// Para contando hacia arriba; la variable queda en el valor siguiente al final
Algoritmo ParaAscendente
	Para i <- 1 Hasta 5 Hacer
		Escribir Sin Saltar i, " "
	FinPara
	Escribir ""
	Escribir "después: ", i
FinAlgoritmo
