// Sin paso, el sentido se decide al empezar: con n = 0,
// Para k <- 1 Hasta n cuenta hacia abajo (1, 0)
Algoritmo ParaFinalLeido
	Leer n
	vueltas <- 0
	Para k <- 1 Hasta n Hacer
		Escribir Sin Saltar k, " "
		vueltas <- vueltas + 1
	FinPara
	Escribir ""
	Escribir "vueltas: ", vueltas, " k: ", k
FinAlgoritmo
