// Por Referencia necesita una variable
SubProceso Incrementar(n Por Referencia)
	n <- n + 1
FinSubProceso

Algoritmo ReferenciaConstante
	a <- 1
	Incrementar(a)
	Incrementar(5)
FinAlgoritmo
