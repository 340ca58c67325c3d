// Solo se comprueba que azar y aleatorio queden en su rango
Algoritmo FuncionesAzar
	bien <- Verdadero
	Para i <- 1 Hasta 200 Hacer
		a <- azar(6)
		Si a < 0 O a > 5 O trunc(a) <> a Entonces
			bien <- Falso
		FinSi
		b <- aleatorio(-3, 3)
		Si b < -3 O b > 3 O trunc(b) <> b Entonces
			bien <- Falso
		FinSi
	FinPara
	Escribir "en rango: ", bien
	Escribir azar(1), " ", aleatorio(4, 4)
FinAlgoritmo
