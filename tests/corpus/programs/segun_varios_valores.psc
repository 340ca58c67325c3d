// Varias opciones por caso y De Otro Modo
Algoritmo SegunVarios
	Para k <- 1 Hasta 4 Hacer
		Leer dia
		Segun dia Hacer
			1, 7:
				Escribir dia, ": fin de semana"
			2, 3, 4, 5, 6:
				Escribir dia, ": día hábil"
			De Otro Modo:
				Escribir dia, ": no es un día"
		FinSegun
	FinPara
FinAlgoritmo
