Algoritmo TipoDesconocido
	Definir a Como Entero
	Definir f Como Fecha
	a <- 1
FinAlgoritmo
