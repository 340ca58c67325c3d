Algoritmo Conversion
	n <- ConvertirANumero("12.5")
	Escribir n + 1
	Escribir ConvertirANumero("-3") * 2
	t1 <- ConvertirATexto(12.5)
	Escribir t1 + "!", " ", Longitud(t1)
	Escribir ConvertirATexto(2.50) + "|" + ConvertirATexto(7) + "|" + ConvertirATexto(-0.25)
	x <- 40
	Escribir Concatenar("x = ", ConvertirATexto(x + 2))
FinAlgoritmo
