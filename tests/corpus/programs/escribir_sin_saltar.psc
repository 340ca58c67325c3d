// Sin Saltar y Sin Bajar no terminan la línea
Algoritmo SinSaltar
	Escribir Sin Saltar "uno"
	Escribir Sin Bajar " dos"
	Escribir " tres"
	Para i <- 1 Hasta 3 Hacer
		Escribir Sin Saltar i, ";"
	FinPara
	Escribir ""
	Escribir "último" Sin Saltar
FinAlgoritmo
