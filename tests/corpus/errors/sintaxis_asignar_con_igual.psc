// = compara; asignar es <-
Algoritmo AsignarConIgual
	a <- 1
	a = 2
	Escribir a
FinAlgoritmo
