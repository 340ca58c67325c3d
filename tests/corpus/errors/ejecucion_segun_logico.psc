Algoritmo SegunLogico
	hecho <- Verdadero
	Segun hecho Hacer
		Verdadero: Escribir "si"
		De Otro Modo: Escribir "no"
	FinSegun
FinAlgoritmo
