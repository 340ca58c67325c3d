// Se espera: difiere en el ingreso 16
// Dice: muestra en «Cantidad Impar»
// Pregunta si el resto es 1: un negativo impar deja resto -1 y no se cuenta con
// los impares.
Algoritmo Ejercicio29
	Definir valor, sumaImpares, sumaPositivos Como Real
	Definir contador, cantImpares, cantPositivos Como Entero
	contador <- 0
	Mientras contador < 16 Hacer
		Escribir "Ingrese"
		Leer valor
		Si valor <> trunc(valor) Entonces
			Escribir "El valor ", valor, " no es lo pedido"
		SiNo
			contador <- contador + 1
			Si valor MOD 2 = 1 Entonces
				cantImpares <- cantImpares + 1
				sumaImpares <- sumaImpares + valor
			FinSi
			Si valor >= 0 Entonces
				cantPositivos <- cantPositivos + 1
				sumaPositivos <- sumaPositivos + valor
			FinSi
		FinSi
	FinMientras
	Si cantImpares = 0 Entonces
		Escribir "No ingresó N° impar"
	SiNo
		Escribir "Cantidad Impar: ", cantImpares
		Escribir "Suma Impar: ", sumaImpares
	FinSi
	Si cantPositivos = 0 Entonces
		Escribir "No ingresó N° positivo"
	SiNo
		Escribir "Cantidad Positivo: ", cantPositivos
		Escribir "Suma Positivo: ", sumaPositivos
	FinSi
FinAlgoritmo
