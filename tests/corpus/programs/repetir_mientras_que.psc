// Repetir ... Mientras Que repite mientras la condición sea verdadera
Algoritmo RepetirMientrasQue
	i <- 1
	Repetir
		Escribir Sin Saltar i, " "
		i <- i * 2
	Mientras Que i < 100
	Escribir ""
	Repetir
		Escribir "una vez"
	Mientras Que Falso
FinAlgoritmo
