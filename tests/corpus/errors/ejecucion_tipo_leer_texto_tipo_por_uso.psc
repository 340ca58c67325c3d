// Sin Definir, la variable es numérica porque se multiplica más abajo:
// el texto ingresado falla en el Leer
Algoritmo TipoPorUso
	Escribir "Cantidad:"
	Leer cant
	Escribir "leído"
	Escribir cant * 2
FinAlgoritmo
