// Estructura mínima: Algoritmo ... FinAlgoritmo
Algoritmo Saludo
	// el punto y coma es opcional
	Escribir "Hola";
	Escribir "Mundo"
	x <- 3; Escribir x; Escribir x + 1 // varias instrucciones en una línea
FinAlgoritmo
