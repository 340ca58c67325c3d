// Matriz de 3 x 4 y otros arreglos en la misma Dimension
Algoritmo Matriz
	Dimension m[3,4], totalFila[3], nombres[2]
	Para f <- 1 Hasta 3 Hacer
		totalFila[f] <- 0
		Para c <- 1 Hasta 4 Hacer
			m[f,c] <- f * 10 + c
			totalFila[f] <- totalFila[f] + m[f,c]
		FinPara
	FinPara
	nombres[1] <- "primera"
	nombres[2] <- "segunda"
	Escribir m[1,1], " ", m[2,3], " ", m[3,4]
	Escribir totalFila[1], " ", totalFila[2], " ", totalFila[3]
	Escribir nombres[1], " y ", nombres[2]
FinAlgoritmo
