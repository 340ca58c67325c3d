Algoritmo Fuera
	Escribir "dentro"
FinAlgoritmo
Escribir "fuera"
