// Un Logico acepta 1 y 0, pero no otro número
Algoritmo LeerNumeroLogico
	Definir ok Como Logico
	Leer ok
	Escribir ok
	Leer ok
	Escribir ok
FinAlgoritmo
