// Sin De Otro Modo, si ningún caso coincide no se hace nada
Algoritmo SegunSinCoincidencia
	x <- 2.5
	Segun x Hacer
		1: Escribir "uno"
		2: Escribir "dos"
	FinSegun
	Segun x * 2 Hacer
		5: Escribir "cinco"
		De Otro Modo: Escribir "otro"
	FinSegun
	Escribir "fin"
FinAlgoritmo
