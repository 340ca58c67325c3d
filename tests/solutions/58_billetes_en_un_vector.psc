// Se espera: coincide
// Los valores de los billetes en un segundo vector y un Mientras por cada uno,
// dentro de un Para; los resultados con el valor del billete en la línea.
Algoritmo corte_de_sueldos
	Definir sueldo, valores, cantidades, importe, total, queda Como Real
	Definir i, b Como Entero
	Dimension sueldo[18], valores[7], cantidades[7]
	valores[1] <- 100
	valores[2] <- 50
	valores[3] <- 20
	valores[4] <- 10
	valores[5] <- 5
	valores[6] <- 2
	valores[7] <- 1
	i <- 0
	Mientras i < 18 Hacer
		Escribir "Sueldo neto ", i + 1, ":"
		Leer importe
		Si importe < 0 O importe <> trunc(importe) Entonces
			Escribir "Importe inválido: tiene que ser entero y no negativo."
		SiNo
			i <- i + 1
			sueldo[i] <- importe
		FinSi
	FinMientras
	total <- 0
	Para b <- 1 Hasta 7 Hacer
		cantidades[b] <- 0
	FinPara
	Para i <- 1 Hasta 18 Hacer
		total <- total + sueldo[i]
		queda <- sueldo[i]
		Para b <- 1 Hasta 7 Hacer
			Mientras queda >= valores[b] Hacer
				queda <- queda - valores[b]
				cantidades[b] <- cantidades[b] + 1
			FinMientras
		FinPara
	FinPara
	Escribir Sin Saltar "Sueldos:"
	Para i <- 1 Hasta 18 Hacer
		Escribir Sin Saltar " ", sueldo[i]
	FinPara
	Escribir ""
	Escribir "Total a pagar: $", total
	Para b <- 1 Hasta 7 Hacer
		Escribir "De $", valores[b], ": ", cantidades[b]
	FinPara
FinAlgoritmo
