// El selector puede ser un texto
Algoritmo SegunTexto
	Para k <- 1 Hasta 3 Hacer
		Leer op
		Segun op Hacer
			"+":
				Escribir "suma"
			"-", "resta":
				Escribir "resta"
			De Otro Modo:
				Escribir "desconocida: ", op
		FinSegun
	FinPara
FinAlgoritmo
