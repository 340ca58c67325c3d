// Paso con decimales
Algoritmo ParaPasoReal
	Para x <- 0 Hasta 2 Con Paso 0.25 Hacer
		Escribir Sin Saltar x, " "
	FinPara
	Escribir ""
	Escribir "después: ", x
	Para x <- 1 Hasta 2.5 Hacer
		Escribir Sin Saltar x, " "
	FinPara
	Escribir ""
	Escribir "después: ", x
FinAlgoritmo
