Algoritmo MatrizUnSubindice
	Dimension m[2,3]
	m[1,1] <- 5
	Escribir m[1]
FinAlgoritmo
