Funcion r <- Doble(x)
	r <- x * 2
FinFuncion

Algoritmo FuncionComoInstruccion
	Escribir Doble(2)
	Doble(2)
FinAlgoritmo
