// Se espera: difiere en el ingreso 18
// Dice: muestra en «Vector»
// El Para que escribe el vector llega hasta 17: falta el último elemento.
Algoritmo Ejercicio53
	Definir valor, v, sumaPares Como Real
	Definir contador, cantPares, k Como Entero
	Dimension v[18]
	contador <- 0
	Mientras contador < 18 Hacer
		Escribir "Ingrese"
		Leer valor
		Si valor <> trunc(valor) Entonces
			Escribir "El valor ", valor, " no es lo pedido"
		SiNo
			contador <- contador + 1
			v[contador] <- valor
		FinSi
	FinMientras
	Para k <- 1 Hasta 18 Hacer
		Si v[k] MOD 2 = 0 Entonces
			cantPares <- cantPares + 1
			sumaPares <- sumaPares + v[k]
		FinSi
	FinPara
	Escribir Sin Saltar "Vector:"
	Para k <- 1 Hasta 17 Hacer
		Escribir Sin Saltar " ", v[k]
	FinPara
	Escribir ""
	Si cantPares = 0 Entonces
		Escribir "No ingresó N° pares"
	SiNo
		Escribir "Cantidad: ", cantPares
		Escribir "Suma: ", sumaPares
		Escribir "Promedio: ", sumaPares / cantPares
	FinSi
FinAlgoritmo
