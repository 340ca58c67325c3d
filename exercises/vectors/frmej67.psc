Algoritmo Ejercicio67
	// Variables del ejercicio
	Definir valor, contador, v Como Real;
	Definir bandera, j, aux Como Real;
	Definir suma, promedio, limInferior Como Real;
	Definir cantBajo, sumaBajo Como Real;
	Definir cantDentro, sumaDentro Como Real;
	Definir limSuperior Como Real;
	Definir cantSobre, sumaSobre Como Real;
	// Índice para recorrer el vector
	Definir k Como Real;
	Dimension v[26];
	
	// Inicio
	contador <- 0;
	bandera <- 1;
	suma <- 0;
	cantBajo <- 0;
	sumaBajo <- 0;
	cantDentro <- 0;
	sumaDentro <- 0;
	cantSobre <- 0;
	sumaSobre <- 0;
	
	// Ingreso de los 26 números, cada uno guardado en el vector
	Mientras contador < 26 Hacer
		Escribir "Ingrese";
		Leer valor;
		contador <- contador + 1;
		v[contador] <- valor;
	FinMientras
	
	// Ordenamiento descendente por el método del burbujeo:
	// se recorren los pares vecinos hasta una pasada sin intercambios
	Mientras bandera = 1 Hacer
		bandera <- 0;
		Para contador <- 1 Hasta 25 Con Paso 1 Hacer
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
	Para k <- 1 Hasta 26 Con Paso 1 Hacer
		suma <- suma + v[k];
	FinPara
	promedio <- suma / 26;
	
	// Límites: el promedio menos y más el 50%
	limInferior <- promedio - promedio / 2;
	limSuperior <- promedio / 2 + promedio;
	
	// Cantidad y suma bajo, dentro y sobre los límites
	Para k <- 1 Hasta 26 Con Paso 1 Hacer
		Si v[k] < limInferior Entonces
			cantBajo <- cantBajo + 1;
			sumaBajo <- sumaBajo + v[k];
		SiNo
			Si v[k] < limSuperior Entonces
				cantDentro <- cantDentro + 1;
				sumaDentro <- sumaDentro + v[k];
			SiNo
				cantSobre <- cantSobre + 1;
				sumaSobre <- sumaSobre + v[k];
			FinSi
		FinSi
	FinPara
	
	// Resultados
	Escribir Sin Saltar "Vector: ";
	Para k <- 1 Hasta 26 Con Paso 1 Hacer
		Escribir Sin Saltar " ", v[k];
	FinPara
	Escribir "";
	Si cantBajo = 0 Entonces
		Escribir "Cant. N° bajo el Limite inferior: ", "No hay N° debajo del LIN";
		Escribir "Suma N° bajo Limite inferior: ", "No hay N° debajo del LIN";
	SiNo
		Escribir "Cant. N° bajo el Limite inferior: ", cantBajo;
		Escribir "Suma N° bajo Limite inferior: ", sumaBajo;
	FinSi
	Si cantDentro = 0 Entonces
		Escribir "Cant. N° dentro del Limite: ", "No hay N° debajo del LME";
		Escribir "Suma N° dentro del Limite: ", "No hay N° debajo del LME";
	SiNo
		Escribir "Cant. N° dentro del Limite: ", cantDentro;
		Escribir "Suma N° dentro del Limite: ", sumaDentro;
	FinSi
	Si cantSobre = 0 Entonces
		Escribir "Cant. N° sobre el Limite superior: ", "No hay N° debajo del LSU";
		Escribir "Suma N° sobre el Limite superior: ", "No hay N° debajo del LSU";
	SiNo
		Escribir "Cant. N° sobre el Limite superior: ", cantSobre;
		Escribir "Suma N° sobre el Limite superior: ", sumaSobre;
	FinSi
FinAlgoritmo
