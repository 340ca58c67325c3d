// Los textos se comparan carácter a carácter y distinguen mayúsculas
Algoritmo TextoComparacion
	Escribir "abc" < "abd", " ", "b" > "abc", " ", "casa" = "casa"
	Escribir "Hola" = "hola", " ", "Z" < "a", " ", "10" < "9"
	Escribir "ab" < "abc", " ", "" < "a", " ", "x" <> "y"
FinAlgoritmo
