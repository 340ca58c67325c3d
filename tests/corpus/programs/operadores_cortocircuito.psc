// Y y O no evalúan la derecha si la izquierda ya decide
Algoritmo Cortocircuito
	x <- 0
	Si x <> 0 Y 1 / x > 0 Entonces
		Escribir "positivo"
	SiNo
		Escribir "cero o negativo"
	FinSi
	Si x = 0 O 1 / x > 0 Entonces
		Escribir "cero o positivo"
	FinSi
	Escribir Falso Y 10 MOD x = 0
	Escribir Verdadero O 10 MOD x = 0
FinAlgoritmo
