Algoritmo TextoSinCerrar
	Escribir "bien"
	Escribir "falta la comilla
	Escribir "bien"
FinAlgoritmo
