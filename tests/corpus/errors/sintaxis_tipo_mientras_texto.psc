Algoritmo MientrasTexto
	Mientras "si" Hacer
		Escribir "no"
	FinMientras
FinAlgoritmo
