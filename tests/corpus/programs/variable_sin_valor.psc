// Una variable sin valor asignado no es un error en este perfil
Algoritmo SinValor
	Escribir "[", sinUso, "]"
	// un acumulador sin iniciar empieza en cero
	Para i <- 1 Hasta 4 Hacer
		suma <- suma + i
	FinPara
	Escribir suma
	Definir e Como Entero
	e <- e + 1
	Escribir e
FinAlgoritmo
