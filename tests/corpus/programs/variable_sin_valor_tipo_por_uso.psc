// El tipo se deduce de todo el programa: n es numérica por la
// asignación de más abajo, así que antes de tener valor se escribe 0
Algoritmo TipoPorUso
	Escribir "[", n, "]"
	n <- 5
	Escribir "[", n, "]"
FinAlgoritmo
