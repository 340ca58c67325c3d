Algoritmo LeerConstante
	Leer a
	Leer 3
FinAlgoritmo
