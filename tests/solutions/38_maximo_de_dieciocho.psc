// Se espera: difiere en el ingreso 18
// Dice: la ventana lo rechazó («Ya completó el máximo de la serie. Ingrese 0»); tu algoritmo lo tomó sin escribir ningún aviso
// Toma 18 números: "menos de 18" admite 17 a lo sumo, y el número 18 debía rechazarse.
Algoritmo Ejercicio38
	Definir valor, sumaPositivos, sumaNegativos Como Real
	Definir contador, cantPositivos, cantNegativos Como Entero
	Definir terminar Como Logico
	contador <- 0
	terminar <- Falso
	Mientras NO terminar Hacer
		Escribir "Ingrese"
		Leer valor
		Si valor <> trunc(valor) Entonces
			Escribir "El valor ", valor, " no es lo pedido"
		SiNo
			Si valor = 0 Entonces
				Si contador > 11 Entonces
					terminar <- Verdadero
				SiNo
					Escribir "Debe completar la cantidad mínima"
				FinSi
			SiNo
				Si contador = 18 Entonces
					Escribir "Ya completó el máximo de la serie. Ingrese 0"
				SiNo
					contador <- contador + 1
					Si valor > 0 Entonces
						cantPositivos <- cantPositivos + 1
						sumaPositivos <- sumaPositivos + valor
					SiNo
						cantNegativos <- cantNegativos + 1
						sumaNegativos <- sumaNegativos + valor
					FinSi
				FinSi
			FinSi
		FinSi
	FinMientras
	Si cantPositivos = 0 Entonces
		Escribir "Promedio Positivo: No ingresó N° positivo"
	SiNo
		Escribir "Promedio Positivo: ", sumaPositivos / cantPositivos
	FinSi
	Si cantNegativos = 0 Entonces
		Escribir "Promedio Negativo: No ingresó N° negativo"
	SiNo
		Escribir "Promedio Negativo: ", sumaNegativos / cantNegativos
	FinSi
FinAlgoritmo
