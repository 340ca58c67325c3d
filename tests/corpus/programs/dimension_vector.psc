// Vector con subíndices desde 1
Algoritmo Vector
	Dimension v[5]
	Para i <- 1 Hasta 5 Hacer
		v[i] <- i * i
	FinPara
	Escribir v[1], " ", v[3], " ", v[5]
	suma <- 0
	Para i <- 1 Hasta 5 Hacer
		suma <- suma + v[i]
	FinPara
	Escribir "suma: ", suma
FinAlgoritmo
