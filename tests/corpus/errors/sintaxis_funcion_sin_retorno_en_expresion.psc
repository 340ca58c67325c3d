SubProceso Mostrar(x)
	Escribir x
FinSubProceso

Algoritmo SinRetorno
	Mostrar(2)
	Escribir Mostrar(2) + 1
FinAlgoritmo
