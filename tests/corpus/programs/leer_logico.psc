// Un Logico se lee como verdadero/falso, v/f o 1/0
Algoritmo LeerLogico
	Definir a, b, c, d Como Logico
	Leer a, b, c, d
	Escribir a, " ", b, " ", c, " ", d
	Escribir a Y NO b
FinAlgoritmo
