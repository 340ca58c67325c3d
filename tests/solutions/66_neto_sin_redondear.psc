// Se espera: difiere en el ingreso 2
// Dice: la ventana completó la serie y muestra en
// Quita los centavos del neto en lugar de redondearlos hacia arriba: un sueldo de 1
// se paga 0.
Algoritmo Ejercicio66
	Definir cantidad, leidos, k Como Entero
	Definir valor, neto, resto, sumaBruta, sumaNeta Como Real
	Definir sueldos, de100, de50, de20, de10, de5, de2, de1 Como Real
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
			neto <- trunc(neto)
			sumaBruta <- sumaBruta + valor
			sumaNeta <- sumaNeta + neto
			resto <- neto
			Mientras resto >= 100 Hacer
				de100 <- de100 + 1
				resto <- resto - 100
			FinMientras
			Mientras resto >= 50 Hacer
				de50 <- de50 + 1
				resto <- resto - 50
			FinMientras
			Mientras resto >= 20 Hacer
				de20 <- de20 + 1
				resto <- resto - 20
			FinMientras
			Mientras resto >= 10 Hacer
				de10 <- de10 + 1
				resto <- resto - 10
			FinMientras
			Mientras resto >= 5 Hacer
				de5 <- de5 + 1
				resto <- resto - 5
			FinMientras
			Mientras resto >= 2 Hacer
				de2 <- de2 + 1
				resto <- resto - 2
			FinMientras
			Mientras resto >= 1 Hacer
				de1 <- de1 + 1
				resto <- resto - 1
			FinMientras
		FinSi
	FinMientras
	Escribir Sin Saltar "Vector:"
	Para k <- 1 Hasta cantidad Hacer
		Escribir Sin Saltar " ", sueldos[k]
	FinPara
	Escribir ""
	Escribir "Suma de los sueldos brutos: ", sumaBruta
	Escribir "Suma de los importes a abonar: ", sumaNeta
	Escribir "Billetes de 100, 50, 20 y 10: ", de100, "; ", de50, "; ", de20, "; ", de10
	Escribir "Billetes de 5 y 2: ", de5, "; ", de2, "   Monedas de 1: ", de1
FinAlgoritmo
