// Cuenta cuántas veces se puede dividir por 2
Algoritmo MientrasContador
	Leer n
	veces <- 0
	Mientras n MOD 2 = 0 Y n > 0 Hacer
		n <- n / 2
		veces <- veces + 1
	FinMientras
	Escribir "veces: ", veces, ", queda ", n
	// una condición falsa desde el principio no ejecuta el cuerpo
	Mientras Falso Hacer
		Escribir "nunca"
	FinMientras
FinAlgoritmo
