Algoritmo SubindiceMatriz
	Dimension m[2,3]
	m[2,3] <- 1
	Escribir m[2,3]
	Escribir m[3,2]
FinAlgoritmo
