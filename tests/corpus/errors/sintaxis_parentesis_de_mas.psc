Algoritmo ParentesisDeMas
	a <- 2
	Escribir "ok"
	b <- (a + 3))
	Escribir b
FinAlgoritmo
