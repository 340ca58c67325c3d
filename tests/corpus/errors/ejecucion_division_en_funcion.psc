// El error se informa en la línea de la función donde ocurre
Funcion r <- Inverso(x)
	r <- 1 / x
FinFuncion

Algoritmo DivisionEnFuncion
	Escribir Inverso(4)
	Escribir Inverso(0)
FinAlgoritmo
