// ln, exp, sen, cos, tan, atan
Algoritmo Trascendentes
	Escribir ln(1), " ", exp(0), " ", sen(0), " ", cos(0), " ", tan(0), " ", atan(0)
	Escribir trunc(exp(1) * 1000), " ", trunc(ln(10) * 1000)
	Escribir redon(ln(exp(3)))
	Escribir trunc(atan(1) * 4 * 10000)
	Escribir trunc(sen(1) * 1000), " ", trunc(cos(1) * 1000), " ", trunc(tan(1) * 1000)
	Escribir redon(sen(PI / 2)), " ", redon(cos(PI)), " ", redon(tan(PI / 4) * 100)
FinAlgoritmo
