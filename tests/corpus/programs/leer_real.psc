Algoritmo LeerReal
	Definir precio Como Real
	Definir unidades Como Entero
	Leer precio
	Leer unidades
	Escribir "precio: ", precio
	Escribir "total: ", precio * unidades
FinAlgoritmo
