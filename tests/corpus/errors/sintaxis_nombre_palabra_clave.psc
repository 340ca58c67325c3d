// Una palabra clave no puede ser nombre de variable
Algoritmo PalabraClave
	Definir total Como Entero
	Definir mientras Como Entero
	total <- 1
FinAlgoritmo
