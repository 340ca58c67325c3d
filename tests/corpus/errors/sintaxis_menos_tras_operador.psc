// Un menos unario justo después de otro operador no se acepta: va entre paréntesis
Algoritmo MenosTrasOperador
	a <- 5
	Escribir a * (-2)
	Escribir a * -2
FinAlgoritmo
