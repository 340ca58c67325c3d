// Se espera: difiere en el ingreso 9
// Dice: la ventana completó la serie y muestra en «Orden
// Da como orden el lugar entre los pares (o entre los impares) y no el lugar en
// toda la serie.
Algoritmo Ejercicio45
	Definir valor, menorPar, mayorImpar Como Real
	Definir contador, cantPares, cantImpares, ordenPar, ordenImpar Como Entero
	Definir terminada Como Logico
	terminada <- Falso
	contador <- 0
	Mientras NO terminada Hacer
		Escribir "Ingrese"
		Leer valor
		Si valor < 0 O valor <> trunc(valor) Entonces
			Escribir "El valor ", valor, " no es lo pedido"
		SiNo
			Si valor = 0 Entonces
				Si contador > 7 Entonces
					terminada <- Verdadero
				SiNo
					Escribir "Debe completar la cantidad mínima"
				FinSi
			SiNo
				Si contador = 12 Entonces
					Escribir "Ya completó el máximo de la serie. Ingrese 0"
				SiNo
					contador <- contador + 1
					Si valor MOD 2 = 0 Entonces
						cantPares <- cantPares + 1
						Si cantPares = 1 O valor < menorPar Entonces
							menorPar <- valor
							ordenPar <- cantPares
						FinSi
					SiNo
						cantImpares <- cantImpares + 1
						Si cantImpares = 1 O valor > mayorImpar Entonces
							mayorImpar <- valor
							ordenImpar <- cantImpares
						FinSi
					FinSi
				FinSi
			FinSi
		FinSi
	FinMientras
	Si cantPares = 0 Entonces
		Escribir "No ingresó N° par"
	SiNo
		Escribir "Menor Par: ", menorPar, "  Orden Par: ", ordenPar
	FinSi
	Si cantImpares = 0 Entonces
		Escribir "No ingresó N° impar"
	SiNo
		Escribir "Mayor Impar: ", mayorImpar, "  Orden Impar: ", ordenImpar
	FinSi
FinAlgoritmo
