// Y & O | NO ~ y su precedencia
Algoritmo Logicos
	v <- Verdadero
	f <- Falso
	Escribir v Y f, " ", v & v, " ", v O f, " ", f | f, " ", NO v, " ", ~f
	// Y se evalúa antes que O
	Escribir Verdadero O Falso Y Falso
	Escribir (Verdadero O Falso) Y Falso
	// NO se aplica a la comparación entera
	x <- 3
	Escribir NO x = 3, " ", NO x > 5, " ", NO (x > 5)
	// NO antes que Y
	Escribir NO Falso Y Falso
	Escribir x > 1 Y x < 5, " ", x < 1 O x > 5
FinAlgoritmo
