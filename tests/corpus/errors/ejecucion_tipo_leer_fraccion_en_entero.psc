Algoritmo LeerFraccionEntero
	Definir n Como Entero
	Leer n
	Escribir n
	Leer n
	Escribir n
FinAlgoritmo
