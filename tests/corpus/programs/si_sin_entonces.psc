// Entonces y Hacer pueden omitirse
Algoritmo SinEntonces
	x <- 3
	Si x > 2
		Escribir "mayor que dos"
	FinSi
	Si x > 5
		Escribir "no"
	SiNo
		Escribir "no mayor que cinco"
	FinSi
	Mientras x > 0
		x <- x - 1
	FinMientras
	Para i <- 1 Hasta 2
		Escribir "vuelta ", i
	FinPara
	Segun x
		0: Escribir "cero"
	FinSegun
FinAlgoritmo
