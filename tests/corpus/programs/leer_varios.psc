// Un solo Leer para varias variables: un valor por línea
Algoritmo LeerVarios
	Definir a, b, c Como Entero
	Escribir "Ingrese tres números:"
	Leer a, b, c
	Escribir "suma: ", a + b + c
	Escribir "promedio: ", (a + b + c) / 3
FinAlgoritmo
