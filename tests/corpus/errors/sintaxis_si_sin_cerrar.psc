// Falta el FinSi: el FinMientras llega con el Si abierto
Algoritmo SiSinCerrar
	x <- 1
	Mientras x < 3 Hacer
		Si x > 1 Entonces
			Escribir x
		x <- x + 1
	FinMientras
FinAlgoritmo
