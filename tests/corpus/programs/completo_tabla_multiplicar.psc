// Tabla de multiplicar de un número, con un subproceso
SubProceso MostrarTabla(n, limite)
	Para i <- 1 Hasta limite Hacer
		Escribir n, " x ", i, " = ", n * i
	FinPara
FinSubProceso

Algoritmo Tabla
	Escribir "Número:"
	Leer numero
	MostrarTabla(numero, 5)
FinAlgoritmo
