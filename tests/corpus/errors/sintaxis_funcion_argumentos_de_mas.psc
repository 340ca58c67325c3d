Funcion r <- Doble(x)
	r <- x * 2
FinFuncion

Algoritmo ArgumentosDeMas
	Escribir Doble(2, 3)
FinAlgoritmo
