// Un Entero no puede guardar un valor con decimales
Algoritmo EnteroFraccion
	Definir mitad Como Entero
	mitad <- 8 / 2
	Escribir mitad
	mitad <- 7 / 2
	Escribir mitad
FinAlgoritmo
