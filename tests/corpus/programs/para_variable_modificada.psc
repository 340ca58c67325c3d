// Cambiar la variable del Para dentro del cuerpo afecta a las vueltas
Algoritmo ParaVariableModificada
	Para i <- 1 Hasta 10 Hacer
		Escribir Sin Saltar i, " "
		i <- i + 2
	FinPara
	Escribir ""
	Escribir "después: ", i
FinAlgoritmo
