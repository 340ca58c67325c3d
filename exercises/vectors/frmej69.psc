Algoritmo Ejercicio69
	// Variables del ejercicio
	Definir valor, contador, v Como Real;
	Definir bandera, j, aux Como Real;
	Definir suma, promedio, limInferior Como Real;
	Definir cantBajo, sumaBajo, promedioBajo Como Real;
	Definir cantDentro, sumaDentro, promedioDentro Como Real;
	Definir limSuperior Como Real;
	Definir cantSobre, sumaSobre, promedioSobre Como Real;
	// Índice para recorrer el vector
	Definir k Como Real;
	Dimension v[35];
	
	// Inicio
	contador <- 0;
	bandera <- 1;
	suma <- 0;
	cantBajo <- 0;
	sumaBajo <- 0;
	promedioBajo <- 0;
	cantDentro <- 0;
	sumaDentro <- 0;
	promedioDentro <- 0;
	cantSobre <- 0;
	sumaSobre <- 0;
	promedioSobre <- 0;
	
	// Ingreso de los 35 números, cada uno guardado en el vector
	Mientras contador < 35 Hacer
		Escribir "Ingrese";
		Leer valor;
		contador <- contador + 1;
		v[contador] <- valor;
	FinMientras
	
	// Ordenamiento descendente por el método del burbujeo:
	// se recorren los pares vecinos hasta una pasada sin intercambios
	Mientras bandera = 1 Hacer
		bandera <- 0;
		Para contador <- 1 Hasta 34 Con Paso 1 Hacer
			j <- contador + 1;
			Si v[j] > v[contador] Entonces
				aux <- v[contador];
				v[contador] <- v[j];
				v[j] <- aux;
				bandera <- 1;
			FinSi
		FinPara
	FinMientras
	
	// Suma y promedio de los números del vector
	Para k <- 1 Hasta 35 Con Paso 1 Hacer
		suma <- suma + v[k];
	FinPara
	promedio <- suma / 35;
	
	// Límites: el promedio menos y más el 60%
	limInferior <- promedio - promedio * 0.6;
	limSuperior <- promedio * 0.6 + promedio;
	
	// Promedios bajo, dentro y sobre los límites
	Para k <- 1 Hasta 35 Con Paso 1 Hacer
		Si v[k] < limInferior Entonces
			cantBajo <- cantBajo + 1;
			sumaBajo <- sumaBajo + v[k];
			promedioBajo <- sumaBajo / cantBajo;
		SiNo
			Si v[k] < limSuperior Entonces
				cantDentro <- cantDentro + 1;
				sumaDentro <- sumaDentro + v[k];
				promedioDentro <- sumaDentro / cantDentro;
			SiNo
				cantSobre <- cantSobre + 1;
				sumaSobre <- sumaSobre + v[k];
				promedioSobre <- sumaSobre / cantSobre;
			FinSi
		FinSi
	FinPara
	
	// Resultados
	Escribir Sin Saltar "Vector: ";
	Para k <- 1 Hasta 35 Con Paso 1 Hacer
		Escribir Sin Saltar " ", v[k];
	FinPara
	Escribir "";
	Si cantBajo = 0 Entonces
		Escribir "Promedio N° bajo el Limite inferior: ", "No hay N° debajo del LIN";
	SiNo
		Escribir "Promedio N° bajo el Limite inferior: ", promedioBajo;
	FinSi
	Si cantDentro = 0 Entonces
		Escribir "Promedio N° dentro del Limite: ", "No hay N° debajo del LME";
	SiNo
		Escribir "Promedio N° dentro del Limite: ", promedioDentro;
	FinSi
	Si cantSobre = 0 Entonces
		Escribir "Promedio N° sobre el Limite superior: ", "No hay N° debajo del LSU";
	SiNo
		Escribir "Promedio N° sobre el Limite superior: ", promedioSobre;
	FinSi
FinAlgoritmo
