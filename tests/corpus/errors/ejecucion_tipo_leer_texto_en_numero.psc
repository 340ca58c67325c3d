Algoritmo LeerTextoNumero
	Definir precio Como Real
	Escribir "Precio:"
	Leer precio
	Escribir precio * 2
FinAlgoritmo
