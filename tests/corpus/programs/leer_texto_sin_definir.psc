// Leer en una variable sin Definir que solo se escribe: guarda el texto tal cual
Algoritmo LeerSinDefinir
	Leer palabra
	Leer codigo
	Escribir "[", palabra, "]"
	Escribir "[", codigo, "]"
FinAlgoritmo
