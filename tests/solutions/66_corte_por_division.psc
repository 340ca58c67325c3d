// Se espera: coincide
// Cada sueldo se descuenta y se corta apenas se lee, sin un segundo vector: cada
// cantidad de billetes sale de una división, en un Para sobre los valores.
Algoritmo Ejercicio66
	Definir cantidad, leidos, k Como Entero
	Definir valor, neto, resto, sumaBruta, sumaNeta Como Real
	Definir sueldos, billetes, cantBilletes Como Real
	Dimension billetes[7], cantBilletes[7]
	billetes[1] <- 100
	billetes[2] <- 50
	billetes[3] <- 20
	billetes[4] <- 10
	billetes[5] <- 5
	billetes[6] <- 2
	billetes[7] <- 1
	Repetir
		Escribir "Cantidad de sueldos:"
		Leer valor
		Si valor <= 0 O valor <> trunc(valor) Entonces
			Escribir "Cantidad no válida"
		FinSi
	Hasta Que valor > 0 Y valor = trunc(valor)
	cantidad <- valor
	Dimension sueldos[cantidad]
	leidos <- 0
	Mientras leidos < cantidad Hacer
		Escribir "Importe bruto:"
		Leer valor
		Si valor <= 0 Entonces
			Escribir "Importe no válido"
		SiNo
			leidos <- leidos + 1
			sueldos[leidos] <- valor
			neto <- valor * 0.83
			neto <- trunc(neto + 0.99)
			sumaBruta <- sumaBruta + valor
			sumaNeta <- sumaNeta + neto
			resto <- neto
			Para k <- 1 Hasta 7 Hacer
				cantBilletes[k] <- cantBilletes[k] + trunc(resto / billetes[k])
				resto <- resto - trunc(resto / billetes[k]) * billetes[k]
			FinPara
		FinSi
	FinMientras
	Escribir Sin Saltar "Vector:"
	Para k <- 1 Hasta cantidad Hacer
		Escribir Sin Saltar " ", sueldos[k]
	FinPara
	Escribir ""
	Escribir "Suma de los sueldos brutos: ", sumaBruta
	Escribir "Suma de los importes a abonar: ", sumaNeta
	Para k <- 1 Hasta 7 Hacer
		Escribir "Cantidad de $", billetes[k], ": ", cantBilletes[k]
	FinPara
FinAlgoritmo
