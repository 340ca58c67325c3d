// MOD con un valor no entero guardado en una variable falla al ejecutar
Algoritmo ModRealVariable
	x <- 7.5
	Escribir "antes"
	Escribir x MOD 2
FinAlgoritmo
