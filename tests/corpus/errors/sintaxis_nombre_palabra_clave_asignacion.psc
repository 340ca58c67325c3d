// "hasta" es palabra clave, no sirve como variable
Algoritmo PalabraClaveAsignacion
	desde <- 1
	hasta <- 5
	Escribir desde
FinAlgoritmo
