// Un subproceso sin parámetros ni retorno, llamado con y sin ()
SubProceso Linea
	Escribir "----------"
FinSubProceso

Algoritmo SinParametros
	Linea
	Escribir "título"
	Linea()
	Separador
FinAlgoritmo

SubProceso Separador()
	Escribir "=========="
FinSubProceso
