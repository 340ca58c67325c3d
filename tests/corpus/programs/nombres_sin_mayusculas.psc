// Los nombres de variables y funciones no distinguen mayúsculas
Funcion r <- Cuadrado(n)
	r <- n * n
FinFuncion

Algoritmo NombresSinMayusculas
	Valor <- 3
	Escribir cuadrado(valor), " ", CUADRADO(VALOR), " ", CuAdRaDo(vAlOr)
	valor <- valor + 1
	Escribir Valor
FinAlgoritmo
