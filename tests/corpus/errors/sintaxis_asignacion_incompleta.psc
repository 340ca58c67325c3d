Algoritmo AsignacionIncompleta
	a <- 1
	b <-
	Escribir a
FinAlgoritmo
