// Se espera: difiere en el ingreso 1
// Dice: no puede guardar el número
// Define como Entero la variable que se lee: con un número con decimales el
// algoritmo se detiene en el Leer, antes de llegar al aviso.
Algoritmo Ejercicio24
	Definir num, cont, cantPares, cantImpares, sumaPares, sumaImpares Como Entero
	cont <- 0
	Mientras cont < 13 Hacer
		Escribir "Ingrese un entero positivo"
		Leer num
		Si num < 0 O num <> trunc(num) Entonces
			Escribir "El valor ", num, " no es lo pedido"
		SiNo
			cont <- cont + 1
			Si num MOD 2 = 0 Entonces
				cantPares <- cantPares + 1
				sumaPares <- sumaPares + num
			SiNo
				cantImpares <- cantImpares + 1
				sumaImpares <- sumaImpares + num
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
