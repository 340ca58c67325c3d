// Se espera: difiere en el ingreso 12
// Dice: tu algoritmo no escribió una línea sin números que lo diga
// Sin impares escribe cantidad, suma y promedio 0 en lugar de decir que no hubo
// ninguno, como hace la ventana.
Algoritmo Ejercicio33
	Definir valor, sumaImpares, sumaPositivos, promImpares, promPositivos Como Real
	Definir contador, cantImpares, cantPositivos Como Entero
	contador <- 0
	promImpares <- 0
	promPositivos <- 0
	Mientras contador < 12 Hacer
		Escribir "Ingrese"
		Leer valor
		Si valor <> trunc(valor) Entonces
			Escribir "El valor ", valor, " no es lo pedido"
		SiNo
			contador <- contador + 1
			Si valor MOD 2 <> 0 Entonces
				cantImpares <- cantImpares + 1
				sumaImpares <- sumaImpares + valor
			FinSi
			Si valor >= 0 Entonces
				cantPositivos <- cantPositivos + 1
				sumaPositivos <- sumaPositivos + valor
			FinSi
		FinSi
	FinMientras
	Si cantImpares > 0 Entonces
		promImpares <- sumaImpares / cantImpares
	FinSi
	Si cantPositivos > 0 Entonces
		promPositivos <- sumaPositivos / cantPositivos
	FinSi
	Escribir "Impares: ", cantImpares, " ", sumaImpares, " ", promImpares
	Escribir "Positivos: ", cantPositivos, " ", sumaPositivos, " ", promPositivos
FinAlgoritmo
