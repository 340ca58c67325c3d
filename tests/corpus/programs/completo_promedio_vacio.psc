// Promedio de los números ingresados hasta un 0
Algoritmo Promedio
	Definir num, suma Como Real
	Definir cant Como Entero
	suma <- 0
	cant <- 0
	Escribir "Ingrese números (0 para terminar):"
	Leer num
	Mientras num <> 0 Hacer
		suma <- suma + num
		cant <- cant + 1
		Leer num
	FinMientras
	Si cant > 0 Entonces
		Escribir "Cantidad: ", cant
		Escribir "Promedio: ", suma / cant
	SiNo
		Escribir "No se ingresaron números"
	FinSi
FinAlgoritmo
