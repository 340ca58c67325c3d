// Se espera: coincide
// Un Repetir con su contador, el mayor tomado del primer número y el resultado
// (mayor y lugar) en una sola línea.
Algoritmo mayor_y_lugar
	Definir numero, maximo Como Real
	Definir veces, lugar Como Entero
	veces <- 0
	Repetir
		veces <- veces + 1
		Escribir "Ingresá el número ", veces, " de 12"
		Leer numero
		Si veces = 1 Entonces
			maximo <- numero
			lugar <- 1
		SiNo
			Si numero > maximo Entonces
				maximo <- numero
				lugar <- veces
			FinSi
		FinSi
	Hasta Que veces = 12
	Escribir "El mayor fue ", maximo, " y se ingresó en el lugar ", lugar
FinAlgoritmo
