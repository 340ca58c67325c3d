// Precedencia y asociatividad
Algoritmo Precedencia
	Escribir 2 + 3 * 4
	Escribir (2 + 3) * 4
	Escribir 10 - 4 - 3
	Escribir 8 / 2 / 2
	// la potencia asocia por la izquierda: (2^3)^2
	Escribir 2 ^ 3 ^ 2
	Escribir 2 ^ (3 ^ 2)
	// el menos unario se aplica después de la potencia
	Escribir -2 ^ 2
	Escribir (-2) ^ 2
	Escribir 7 MOD 3
	Escribir 2 * 3 MOD 4
	Escribir 2 + 3 MOD 2
	Escribir 2 ^ 3 * 2
FinAlgoritmo
