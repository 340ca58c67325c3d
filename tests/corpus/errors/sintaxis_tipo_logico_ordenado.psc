// < entre lógicos no está permitido
Algoritmo LogicoOrdenado
	Escribir Verdadero = Falso
	Escribir Falso < Verdadero
FinAlgoritmo
