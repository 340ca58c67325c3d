// Los nombres no admiten eñes ni acentos
Algoritmo CaracterInvalido
	edad <- 20
	año <- 2005
	Escribir edad
FinAlgoritmo
