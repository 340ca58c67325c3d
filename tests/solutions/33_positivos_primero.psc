// Se espera: coincide
// Los positivos se escriben antes que los impares, cada clase en una sola línea,
// y una clase vacía con un aviso propio; el impar se reconoce con resto distinto de 0.
Algoritmo Ejercicio33
	Definir dato, sImpar, sPositivo Como Real
	Definir c, cImpar, cPositivo Como Entero
	c <- 0
	Mientras c < 12 Hacer
		Escribir "Dato ", c + 1, ":"
		Leer dato
		Si dato <> trunc(dato) Entonces
			Escribir "Sólo números enteros, por favor"
		SiNo
			c <- c + 1
			Si dato >= 0 Entonces
				cPositivo <- cPositivo + 1
				sPositivo <- sPositivo + dato
			FinSi
			Si dato MOD 2 <> 0 Entonces
				cImpar <- cImpar + 1
				sImpar <- sImpar + dato
			FinSi
		FinSi
	FinMientras
	Si cPositivo > 0 Entonces
		Escribir "Positivos: ", cPositivo, " / suma ", sPositivo, " / promedio ", sPositivo / cPositivo
	SiNo
		Escribir "No hubo positivos."
	FinSi
	Si cImpar > 0 Entonces
		Escribir "Impares: ", cImpar, " / suma ", sImpar, " / promedio ", sImpar / cImpar
	SiNo
		Escribir "No hubo impares."
	FinSi
FinAlgoritmo
