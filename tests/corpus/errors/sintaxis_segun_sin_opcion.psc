Algoritmo SegunSinOpcion
	x <- 1
	Segun x Hacer
		Escribir x
		1: Escribir "uno"
	FinSegun
FinAlgoritmo
