// Se espera: error en la línea 7
// Asigna con "=", como en otros lenguajes: en el pseudocódigo se asigna con "<-".
Algoritmo Ejercicio24
	Definir valor, sumaPares, sumaImpares Como Real
	Definir contador, cantPares, cantImpares Como Entero
	Definir promPares, promImpares Como Real
	contador = 0
	Mientras contador < 13 Hacer
		Escribir "Ingrese"
		Leer valor
		Si valor < 0 O valor <> trunc(valor) Entonces
			Escribir "El valor ", valor, " no es lo pedido"
		SiNo
			contador = contador + 1
			Si valor MOD 2 = 0 Entonces
				cantPares = cantPares + 1
				sumaPares = sumaPares + valor
			SiNo
				cantImpares = cantImpares + 1
				sumaImpares = sumaImpares + valor
			FinSi
		FinSi
	FinMientras
	Si cantPares > 0 Entonces
		Escribir "Pares: ", cantPares, " ", sumaPares, " ", sumaPares / cantPares
	SiNo
		Escribir "No ingresó N° pares"
	FinSi
	Si cantImpares > 0 Entonces
		Escribir "Impares: ", cantImpares, " ", sumaImpares, " ", sumaImpares / cantImpares
	SiNo
		Escribir "No ingresó N° impares"
	FinSi
FinAlgoritmo
