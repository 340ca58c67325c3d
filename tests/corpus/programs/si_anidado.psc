// Clasifica notas con Si anidados
Algoritmo SiAnidado
	Para k <- 1 Hasta 5 Hacer
		Leer nota
		Si nota >= 7 Entonces
			Si nota = 10 Entonces
				Escribir nota, ": excelente"
			SiNo
				Escribir nota, ": aprobado"
			FinSi
		SiNo
			Si nota >= 4 Entonces
				Escribir nota, ": a recuperatorio"
			SiNo
				Escribir nota, ": desaprobado"
			FinSi
		FinSi
	FinPara
FinAlgoritmo
