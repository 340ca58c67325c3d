// Leer dentro de una Funcion y de un SubProceso
Funcion valor <- PedirPositivo(mensaje)
	Repetir
		Escribir mensaje
		Leer valor
	Hasta Que valor > 0
FinFuncion

SubProceso PedirNombre(nombre Por Referencia)
	Escribir "Nombre:"
	Leer nombre
FinSubProceso

Algoritmo ConLeer
	base <- PedirPositivo("Base:")
	altura <- PedirPositivo("Altura:")
	PedirNombre(quien)
	Escribir quien, ": ", base * altura / 2
FinAlgoritmo
