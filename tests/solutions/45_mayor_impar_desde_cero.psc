// Se espera: coincide
// El mayor impar empieza en 0, que sirve porque todo impar aceptado es positivo; el
// menor par usa una bandera. Un Repetir interno vuelve a pedir el número rechazado.
Algoritmo par_menor_impar_mayor
	Definir n, menorPar, mayorImpar Como Real
	Definir total, posPar, posImpar Como Entero
	Definir hayPar, listo Como Logico
	total <- 0
	mayorImpar <- 0
	hayPar <- Falso
	listo <- Falso
	Mientras NO listo Hacer
		Repetir
			Escribir "Número ", total + 1, " (0 termina):"
			Leer n
			Si n < 0 O n <> trunc(n) Entonces
				Escribir "Sólo enteros mayores o iguales que 0."
			FinSi
		Hasta Que n >= 0 Y n = trunc(n)
		Si n = 0 Entonces
			Si total > 7 Entonces
				listo <- Verdadero
			SiNo
				Escribir "Faltan números: tienen que ser más de 7."
			FinSi
		SiNo
			Si total < 12 Entonces
				total <- total + 1
				Si n MOD 2 = 0 Entonces
					Si NO hayPar O n < menorPar Entonces
						menorPar <- n
						posPar <- total
						hayPar <- Verdadero
					FinSi
				SiNo
					Si n > mayorImpar Entonces
						mayorImpar <- n
						posImpar <- total
					FinSi
				FinSi
			SiNo
				Escribir "Ya son 12: ingrese 0 para terminar."
			FinSi
		FinSi
	FinMientras
	Si hayPar Entonces
		Escribir "Menor par: ", menorPar, " (número ", posPar, " de la serie)"
	SiNo
		Escribir "No ingresó N° par"
	FinSi
	Si mayorImpar > 0 Entonces
		Escribir "Mayor impar: ", mayorImpar, " (número ", posImpar, " de la serie)"
	SiNo
		Escribir "No ingresó N° impar"
	FinSi
FinAlgoritmo
