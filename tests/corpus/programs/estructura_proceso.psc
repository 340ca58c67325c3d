// Proceso ... FinProceso, palabras clave en cualquier caso
proceso Mayusculas_Minusculas
	Contador <- 2
	escribir "contador: ", contador
	ESCRIBIR "CONTADOR: ", CONTADOR
	si contador > 1 entonces
		Escribir "mayor que uno"
	finsi
	SI Contador < 5 ENTONCES
		EsCrIbIr "menor que cinco"
	SINO
		escribir "cinco o más"
	FINSI
	MIENTRAS contador > 0 HACER
		contador <- CONTADOR - 1
	finmientras
	Escribir "al final: ", Contador
FinProceso
