Algoritmo ConvertirNoNumerico
	Leer s
	Escribir Longitud(s)
	Escribir ConvertirANumero(s) + 1
FinAlgoritmo
