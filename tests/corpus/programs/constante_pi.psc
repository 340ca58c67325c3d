// PI es una constante predefinida
Algoritmo ConstantePi
	Escribir trunc(PI * 1000)
	r <- 2
	Escribir "área: ", trunc(PI * r ^ 2 * 100) / 100
FinAlgoritmo
