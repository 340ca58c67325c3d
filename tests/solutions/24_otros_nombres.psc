// Se espera: coincide
// Otros nombres, un Para con su propio contador, sus propios avisos y los resultados
// de los impares antes que los de los pares, en una línea por clase.
Algoritmo pares_impares
	Definir n, cp, ci, i Como Entero
	Definir x, sp, si_ Como Real
	i <- 1
	Mientras i <= 13 Hacer
		Escribir "Ingrese el número ", i
		Leer x
		Si x < 0 O x <> trunc(x) Entonces
			Escribir "Error: ", x, " no sirve"
		SiNo
			i <- i + 1
			Si x MOD 2 = 0 Entonces
				cp <- cp + 1
				sp <- sp + x
			SiNo
				ci <- ci + 1
				si_ <- si_ + x
			FinSi
		FinSi
	FinMientras
	Si ci > 0 Entonces
		Escribir "Impares: ", ci, " suman ", si_, " promedio ", si_ / ci
	SiNo
		Escribir "No hubo impares"
	FinSi
	Si cp > 0 Entonces
		Escribir "Pares: ", cp, " suman ", sp, " promedio ", sp / cp
	SiNo
		Escribir "No hubo pares"
	FinSi
FinAlgoritmo
