// Las variables de un subproceso son locales: no ven ni tocan las del algoritmo
SubProceso Contar
	i <- 100
	total <- 5
	Escribir "dentro: ", i, " ", total
FinSubProceso

Algoritmo Locales
	total <- 0
	Para i <- 1 Hasta 2 Hacer
		Contar
		total <- total + i
	FinPara
	Escribir "fuera: ", i, " ", total
FinAlgoritmo
