// Se espera: coincide
// Cada elemento se carga con un Repetir que insiste hasta que el número sea entero;
// los pares se cuentan en el mismo Para que escribe el vector, separado por comas.
Algoritmo pares_del_vector
	Definir vec, num, suma Como Real
	Definir i, pares Como Entero
	Dimension vec[18]
	Para i <- 1 Hasta 18 Hacer
		Repetir
			Escribir "Elemento ", i, ":"
			Leer num
			Si num <> trunc(num) Entonces
				Escribir "El número tiene que ser entero"
			FinSi
		Hasta Que num = trunc(num)
		vec[i] <- num
	FinPara
	pares <- 0
	suma <- 0
	Escribir Sin Saltar "Vector:"
	Para i <- 1 Hasta 18 Hacer
		Escribir Sin Saltar " ", vec[i], ","
		Si vec[i] MOD 2 = 0 Entonces
			pares <- pares + 1
			suma <- suma + vec[i]
		FinSi
	FinPara
	Escribir ""
	Si pares = 0 Entonces
		Escribir "No hay números pares en el vector"
	SiNo
		Escribir "Pares: ", pares, "   Suma: ", suma, "   Promedio: ", suma / pares
	FinSi
FinAlgoritmo
