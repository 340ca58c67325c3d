// Textos entre comillas dobles o simples
Algoritmo Comillas
	Escribir "comillas dobles"
	Escribir 'comillas simples'
	Escribir "", 'a', "b", ''
	Escribir 'mezcla: ', "dobles", ' y ', 'simples'
	Escribir "acentos: áéíóú ñ ¿¡"
FinAlgoritmo
