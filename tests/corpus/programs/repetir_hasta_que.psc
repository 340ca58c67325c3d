// Pide un valor hasta que esté entre 1 y 10
Algoritmo RepetirHastaQue
	intentos <- 0
	Repetir
		Escribir "Valor entre 1 y 10:"
		Leer v
		intentos <- intentos + 1
	Hasta Que v >= 1 Y v <= 10
	Escribir "aceptado ", v, " en ", intentos, " intentos"
	// el cuerpo se ejecuta al menos una vez
	Repetir
		Escribir "una vez"
	Hasta Que Verdadero
FinAlgoritmo
