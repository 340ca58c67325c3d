// Se espera: difiere en el ingreso 13
// Dice: por cero
// Calcula los dos promedios sin preguntar si la clase tiene números: con trece
// números de una sola clase divide por cero.
Algoritmo Ejercicio24
	Definir valor, sumaPares, sumaImpares, promPares, promImpares Como Real
	Definir contador, cantPares, cantImpares Como Entero
	contador <- 0
	Mientras contador < 13 Hacer
		Escribir "Ingrese"
		Leer valor
		Si valor < 0 O valor <> trunc(valor) Entonces
			Escribir "El valor ", valor, " no es lo pedido"
		SiNo
			contador <- contador + 1
			Si valor MOD 2 = 0 Entonces
				cantPares <- cantPares + 1
				sumaPares <- sumaPares + valor
			SiNo
				cantImpares <- cantImpares + 1
				sumaImpares <- sumaImpares + valor
			FinSi
		FinSi
	FinMientras
	promPares <- sumaPares / cantPares
	promImpares <- sumaImpares / cantImpares
	Escribir "Pares: ", cantPares, " suman ", sumaPares, " promedio ", promPares
	Escribir "Impares: ", cantImpares, " suman ", sumaImpares, " promedio ", promImpares
FinAlgoritmo
