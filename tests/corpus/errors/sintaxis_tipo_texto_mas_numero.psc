Algoritmo TextoMasNumero
	edad <- 20
	Escribir "edad: " + edad
FinAlgoritmo
