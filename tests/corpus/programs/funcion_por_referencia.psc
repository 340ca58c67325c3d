// Parámetros por valor (lo predeterminado) y Por Referencia
SubProceso Intercambiar(a Por Referencia, b Por Referencia)
	aux <- a
	a <- b
	b <- aux
FinSubProceso

SubProceso Incrementar(n Por Valor)
	n <- n + 1
	Escribir "dentro: ", n
FinSubProceso

SubProceso Duplicar(n)
	n <- n * 2
FinSubProceso

Algoritmo PorReferencia
	x <- 1
	z <- 2
	Intercambiar(x, z)
	Escribir x, " ", z
	Incrementar(x)
	Duplicar(x)
	Escribir x
FinAlgoritmo
