// Se espera: coincide
// El primer número se lee antes del ciclo y pasa a ser el menor; un Mientras lee
// los otros siete, con un pedido numerado, y el resultado va en una frase.
Algoritmo menor_de_ocho
	Definir num, min Como Real
	Definir cont Como Entero
	Escribir "Número 1:"
	Leer num
	min <- num
	cont <- 1
	Mientras cont < 8 Hacer
		cont <- cont + 1
		Escribir "Número ", cont, ":"
		Leer num
		Si num < min Entonces
			min <- num
		FinSi
	FinMientras
	Escribir "El menor de los ocho números es ", min
FinAlgoritmo
