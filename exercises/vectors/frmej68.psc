Algoritmo Ejercicio68
	// Variables
	Definir valor Como Real;
	Definir contador Como Entero;
	Definir v Como Real;
	Definir i, j, posicionMayor Como Entero;
	Definir mayor Como Real;
	Definir suma, promedio, limiteInferior, limiteSuperior Como Real;
	Definir cantBajo, cantDentro, cantSobre Como Entero;
	Definir sumaBajo, sumaDentro, sumaSobre Como Real;
	Definir promedioBajo, promedioDentro, promedioSobre Como Real;
	Definir k Como Entero;
	Dimension v[35];

	// Ingreso de los 35 números, cada uno guardado en el vector
	Para contador <- 1 Hasta 35 Con Paso 1 Hacer
		Escribir "Ingrese";
		Leer valor;
		v[contador] <- valor;
	FinPara

	// Orden descendente por selección: en cada pasada se busca el mayor
	// de v[i] a v[35] y se lo intercambia con v[i]
	Para i <- 1 Hasta 34 Con Paso 1 Hacer
		mayor <- v[i];
		posicionMayor <- i;
		Para j <- i + 1 Hasta 35 Con Paso 1 Hacer
			Si v[j] > mayor Entonces
				mayor <- v[j];
				posicionMayor <- j;
			FinSi
		FinPara
		// Intercambio de v[i] con el mayor encontrado
		v[posicionMayor] <- v[i];
		v[i] <- mayor;
	FinPara

	// Promedio de los números del vector (ya ordenado)
	suma <- 0;
	Para k <- 1 Hasta 35 Con Paso 1 Hacer
		suma <- suma + v[k];
	FinPara
	promedio <- suma / 35;

	// Límites: el promedio menos y más su 40%
	limiteInferior <- promedio - promedio * 0.4;
	limiteSuperior <- promedio * 0.4 + promedio;

	// Cantidad y suma de los números bajo, dentro y sobre los límites
	// Atención: un número igual al límite inferior queda dentro, y uno igual
	// al límite superior queda sobre él. Con promedio negativo el límite
	// inferior queda por encima del superior, y con promedio 0 los dos valen 0:
	// en esos casos ningún número queda dentro.
	cantBajo <- 0;
	sumaBajo <- 0;
	cantDentro <- 0;
	sumaDentro <- 0;
	cantSobre <- 0;
	sumaSobre <- 0;
	Para k <- 1 Hasta 35 Con Paso 1 Hacer
		Si v[k] < limiteInferior Entonces
			cantBajo <- cantBajo + 1;
			sumaBajo <- sumaBajo + v[k];
		SiNo
			Si v[k] < limiteSuperior Entonces
				cantDentro <- cantDentro + 1;
				sumaDentro <- sumaDentro + v[k];
			SiNo
				cantSobre <- cantSobre + 1;
				sumaSobre <- sumaSobre + v[k];
			FinSi
		FinSi
	FinPara

	// Promedio de cada clase que recibió algún número
	Si cantBajo > 0 Entonces
		promedioBajo <- sumaBajo / cantBajo;
	FinSi
	Si cantDentro > 0 Entonces
		promedioDentro <- sumaDentro / cantDentro;
	FinSi
	Si cantSobre > 0 Entonces
		promedioSobre <- sumaSobre / cantSobre;
	FinSi

	// Resultados
	// Una clase vacía muestra el texto del programa, que dice siempre "debajo":
	// "... del LIN": ningún número bajo el límite inferior (LIN);
	// "... del LME": ninguno en la zona media, dentro de los límites (LME);
	// "... del LSU": ninguno sobre el límite superior (LSU).
	Escribir Sin Saltar "Vector: ";
	Para k <- 1 Hasta 35 Con Paso 1 Hacer
		Escribir Sin Saltar " ", v[k];
	FinPara
	Escribir "";
	Si cantBajo = 0 Entonces
		Escribir "Promedio N° bajo el Límite inferior: ", "No hay N° debajo del LIN";
	SiNo
		Escribir "Promedio N° bajo el Límite inferior: ", promedioBajo;
	FinSi
	Si cantDentro = 0 Entonces
		Escribir "Promedio N° dentro del Límite: ", "No hay N° debajo del LME";
	SiNo
		Escribir "Promedio N° dentro del Límite: ", promedioDentro;
	FinSi
	Si cantSobre = 0 Entonces
		Escribir "Promedio N° sobre el Límite superior: ", "No hay N° debajo del LSU";
	SiNo
		Escribir "Promedio N° sobre el Límite superior: ", promedioSobre;
	FinSi
FinAlgoritmo
