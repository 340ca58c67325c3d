// Se espera: difiere en el ingreso 1
// Dice: la ventana lo rechazó («El valor -1 no es lo pedido»); tu algoritmo lo tomó sin escribir ningún aviso
// Rechaza sólo los números con decimales: se olvida de que un negativo tampoco es
// lo pedido.
Algoritmo Ejercicio24
	Definir valor, sumaPares, sumaImpares Como Real
	Definir contador, cantPares, cantImpares Como Entero
	contador <- 0
	Mientras contador < 13 Hacer
		Escribir "Ingrese"
		Leer valor
		Si valor <> trunc(valor) Entonces
			Escribir "Debe ser un número entero"
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
	Si cantPares = 0 Entonces
		Escribir "No ingresó N° pares"
	SiNo
		Escribir "Pares: ", cantPares, " ", sumaPares, " ", sumaPares / cantPares
	FinSi
	Si cantImpares = 0 Entonces
		Escribir "No ingresó N° impares"
	SiNo
		Escribir "Impares: ", cantImpares, " ", sumaImpares, " ", sumaImpares / cantImpares
	FinSi
FinAlgoritmo
