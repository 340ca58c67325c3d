// Se espera: difiere en el ingreso 1
// Dice: la ventana lo aceptó y espera otro valor; tu algoritmo escribió
// Rechaza el importe 0 porque el enunciado pide positivos, pero la ventana lo
// acepta.
Algoritmo Ejercicio58
	Definir valor, v, suma, resto Como Real
	Definir b100, b50, b20, b10, b5, b2, m1 Como Real
	Definir contador, k Como Entero
	Dimension v[18]
	contador <- 0
	Mientras contador < 18 Hacer
		Escribir "Ingrese"
		Leer valor
		Si valor <= 0 O valor <> trunc(valor) Entonces
			Escribir "El valor ", valor, " no es lo pedido"
		SiNo
			contador <- contador + 1
			v[contador] <- valor
		FinSi
	FinMientras
	Para k <- 1 Hasta 18 Hacer
		suma <- suma + v[k]
		resto <- v[k]
		Mientras resto >= 100 Hacer
			resto <- resto - 100
			b100 <- b100 + 1
		FinMientras
		Mientras resto >= 50 Hacer
			resto <- resto - 50
			b50 <- b50 + 1
		FinMientras
		Mientras resto >= 20 Hacer
			resto <- resto - 20
			b20 <- b20 + 1
		FinMientras
		Mientras resto >= 10 Hacer
			resto <- resto - 10
			b10 <- b10 + 1
		FinMientras
		Mientras resto >= 5 Hacer
			resto <- resto - 5
			b5 <- b5 + 1
		FinMientras
		Mientras resto >= 2 Hacer
			resto <- resto - 2
			b2 <- b2 + 1
		FinMientras
		Mientras resto >= 1 Hacer
			resto <- resto - 1
			m1 <- m1 + 1
		FinMientras
	FinPara
	Escribir Sin Saltar "Vector:"
	Para k <- 1 Hasta 18 Hacer
		Escribir Sin Saltar " ", v[k]
	FinPara
	Escribir ""
	Escribir "Suma: ", suma
	Escribir "Billetes de 100: ", b100
	Escribir "Billetes de 50: ", b50
	Escribir "Billetes de 20: ", b20
	Escribir "Billetes de 10: ", b10
	Escribir "Billetes de 5: ", b5
	Escribir "Billetes de 2: ", b2
	Escribir "Monedas de 1: ", m1
FinAlgoritmo
