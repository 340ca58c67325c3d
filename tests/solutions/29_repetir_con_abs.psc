// Se espera: coincide
// Un Repetir que vuelve a pedir el número mientras tenga decimales, abs para saber
// si un negativo es impar, y los resultados con sus propias palabras.
Algoritmo impares_y_positivos
	Definir x, sumImp, sumPos Como Real
	Definir leidos, nImp, nPos Como Entero
	leidos <- 0
	nImp <- 0
	nPos <- 0
	sumImp <- 0
	sumPos <- 0
	Repetir
		Escribir "Ingrese un número entero (", leidos + 1, " de 16)"
		Leer x
		Si x = trunc(x) Entonces
			leidos <- leidos + 1
			Si abs(x) MOD 2 = 1 Entonces
				nImp <- nImp + 1
				sumImp <- sumImp + x
			FinSi
			Si x >= 0 Entonces
				nPos <- nPos + 1
				sumPos <- sumPos + x
			FinSi
		SiNo
			Escribir "¡Atención! ", x, " tiene decimales; ingrese un entero."
		FinSi
	Hasta Que leidos = 16
	Si nImp > 0 Entonces
		Escribir "Se ingresaron ", nImp, " impares, que suman ", sumImp
	SiNo
		Escribir "Ningún número impar"
	FinSi
	Si nPos > 0 Entonces
		Escribir "Se ingresaron ", nPos, " positivos (el cero incluido), que suman ", sumPos
	SiNo
		Escribir "Ningún número positivo"
	FinSi
FinAlgoritmo
