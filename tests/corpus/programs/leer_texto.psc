// Leer un texto: la línea entera, con sus espacios
Algoritmo LeerTexto
	Definir nombre Como Texto
	Escribir "¿Cómo te llamás?"
	Leer nombre
	Escribir "Hola, ", nombre, "!"
	Escribir "Tu nombre tiene ", Longitud(nombre), " caracteres"
FinAlgoritmo
