Algoritmo FuncionesNumericas
	Escribir trunc(7.8), " ", trunc(-7.8), " ", trunc(5 / 2)
	// redon lleva las mitades lejos del cero
	Escribir redon(2.5), " ", redon(-2.5), " ", redon(3.49), " ", redon(0.5)
	Escribir abs(-3.5), " ", abs(4), " ", abs(0)
	Escribir raiz(16), " ", rc(2.25), " ", raiz(0)
	Escribir trunc(raiz(2) * 1000)
	// redondeos que dan cero negativo se escriben 0
	Escribir redon(-0.4), " ", trunc(-0.5)
FinAlgoritmo
