// Un arreglo pasado a un subproceso se modifica en el original
SubProceso Llenar(v, n)
	Para i <- 1 Hasta n Hacer
		v[i] <- i * 10
	FinPara
FinSubProceso

Funcion s <- Sumar(v, n)
	s <- 0
	Para i <- 1 Hasta n Hacer
		s <- s + v[i]
	FinPara
FinFuncion

Algoritmo ConArreglo
	Dimension datos[4]
	Llenar(datos, 4)
	Escribir datos[1], " ", datos[4]
	Escribir Sumar(datos, 4)
FinAlgoritmo
