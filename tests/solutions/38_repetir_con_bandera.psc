// Se espera: coincide
// Un Repetir que termina con una bandera, los avisos en palabras propias, el 0 tratado
// primero y los dos promedios en una sola línea, o un aviso por cada clase vacía.
Algoritmo promedios_positivos_negativos
	Definir num, sumPos, sumNeg Como Real
	Definir cant, cantPos, cantNeg Como Entero
	Definir terminada Como Logico
	terminada <- Falso
	Repetir
		Escribir "Ingrese un número entero (0 para terminar):"
		Leer num
		Si num <> trunc(num) Entonces
			Escribir "Tiene que ser entero."
		SiNo
			Si num = 0 Entonces
				Si cant >= 12 Entonces
					terminada <- Verdadero
				SiNo
					Escribir "Todavía no: hacen falta al menos 12 números."
				FinSi
			SiNo
				Si cant = 17 Entonces
					Escribir "Ya hay 17 números: sólo queda ingresar el 0."
				SiNo
					cant <- cant + 1
					Si num > 0 Entonces
						cantPos <- cantPos + 1
						sumPos <- sumPos + num
					SiNo
						cantNeg <- cantNeg + 1
						sumNeg <- sumNeg + num
					FinSi
				FinSi
			FinSi
		FinSi
	Hasta Que terminada
	Si cantPos > 0 Y cantNeg > 0 Entonces
		Escribir "Promedios: positivos ", sumPos / cantPos, ", negativos ", sumNeg / cantNeg
	SiNo
		Si cantPos > 0 Entonces
			Escribir "Promedio de los positivos: ", sumPos / cantPos
			Escribir "No hubo negativos."
		SiNo
			Escribir "No hubo positivos."
			Escribir "Promedio de los negativos: ", sumNeg / cantNeg
		FinSi
	FinSi
FinAlgoritmo
