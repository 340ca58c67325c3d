// Se espera: coincide
// El neto se calcula y se redondea en una sola expresión, dentro del mismo Para del
// corte; las sumas y las cantidades se escriben de a dos por línea.
Algoritmo sueldos_y_billetes
	Definir n, i Como Entero
	Definir dato, bruto, neto, totBruto, totNeto, r Como Real
	Definir c100, c50, c20, c10, c5, c2, c1 Como Real
	n <- 0
	Mientras n = 0 Hacer
		Escribir "¿Cuántos sueldos hay que pagar?"
		Leer dato
		Si dato > 0 Y dato = trunc(dato) Entonces
			n <- dato
		SiNo
			Escribir "La cantidad tiene que ser un entero mayor que cero."
		FinSi
	FinMientras
	Dimension bruto[n]
	i <- 0
	Mientras i < n Hacer
		Escribir "Sueldo bruto ", i + 1, ":"
		Leer dato
		Si dato > 0 Entonces
			i <- i + 1
			bruto[i] <- dato
		SiNo
			Escribir "El sueldo tiene que ser mayor que cero."
		FinSi
	FinMientras
	totBruto <- 0
	totNeto <- 0
	Para i <- 1 Hasta n Hacer
		neto <- trunc(bruto[i] * 0.83 + 0.99)
		totBruto <- totBruto + bruto[i]
		totNeto <- totNeto + neto
		r <- neto
		Mientras r >= 100 Hacer
			r <- r - 100
			c100 <- c100 + 1
		FinMientras
		Mientras r >= 50 Hacer
			r <- r - 50
			c50 <- c50 + 1
		FinMientras
		Mientras r >= 20 Hacer
			r <- r - 20
			c20 <- c20 + 1
		FinMientras
		Mientras r >= 10 Hacer
			r <- r - 10
			c10 <- c10 + 1
		FinMientras
		Mientras r >= 5 Hacer
			r <- r - 5
			c5 <- c5 + 1
		FinMientras
		Mientras r >= 2 Hacer
			r <- r - 2
			c2 <- c2 + 1
		FinMientras
		Mientras r >= 1 Hacer
			r <- r - 1
			c1 <- c1 + 1
		FinMientras
	FinPara
	Escribir Sin Saltar "Sueldos brutos:"
	Para i <- 1 Hasta n Hacer
		Escribir Sin Saltar " ", bruto[i]
	FinPara
	Escribir ""
	Escribir "Total bruto: ", totBruto, "   Total a pagar: ", totNeto
	Escribir "Billetes: de 100 -> ", c100, "   de 50 -> ", c50
	Escribir "Billetes: de 20 -> ", c20, "   de 10 -> ", c10
	Escribir "Billetes: de 5 -> ", c5, "   de 2 -> ", c2
	Escribir "Monedas de 1 -> ", c1
FinAlgoritmo
