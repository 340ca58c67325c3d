// Funcion con variable de retorno, usada antes y después de definirse
Funcion r <- Doble(x)
	r <- x * 2
FinFuncion

Algoritmo FuncionRetorno
	Escribir Doble(4), " ", Triple(4)
	Escribir Doble(Triple(1.5)) + 1
	a <- Doble(2) * Doble(3)
	Escribir a
FinAlgoritmo

Funcion resultado <- Triple(x)
	resultado <- x * 3
FinFuncion
