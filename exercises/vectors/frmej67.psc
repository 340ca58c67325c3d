Algoritmo Ejercicio67
	// Variables
	Definir valor Como Real;
	Definir contador Como Entero;
	Definir v Como Real;
	Definir hayIntercambio Como Logico;
	Definir i Como Entero;
	Definir aux Como Real;
	Definir suma, promedio, limiteInferior, limiteSuperior Como Real;
	Definir cantBajo, cantDentro, cantSobre Como Entero;
	Definir sumaBajo, sumaDentro, sumaSobre Como Real;
	Definir k Como Entero;
	Dimension v[26];

	// Ingreso de los 26 números, cada uno guardado en el vector
	Para contador <- 1 Hasta 26 Con Paso 1 Hacer
		Escribir "Ingrese";
		Leer valor;
		v[contador] <- valor;
	FinPara

	// Orden descendente por el método del burbujeo: cada pasada compara
	// los 25 pares vecinos y se repite hasta una pasada sin intercambios
	hayIntercambio <- Verdadero;
	Mientras hayIntercambio Hacer
		hayIntercambio <- Falso;
		Para i <- 1 Hasta 25 Con Paso 1 Hacer
			Si v[i + 1] > v[i] Entonces
				aux <- v[i];
				v[i] <- v[i + 1];
				v[i + 1] <- aux;
				hayIntercambio <- Verdadero;
			FinSi
		FinPara
	FinMientras

	// Promedio de los números del vector (ya ordenado)
	suma <- 0;
	Para k <- 1 Hasta 26 Con Paso 1 Hacer
		suma <- suma + v[k];
	FinPara
	promedio <- suma / 26;

	// Límites: el promedio menos y más su 50%
	limiteInferior <- promedio - promedio / 2;
	limiteSuperior <- promedio / 2 + promedio;

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
	Para k <- 1 Hasta 26 Con Paso 1 Hacer
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

	// Resultados
	// Una clase vacía muestra el texto del programa, que dice siempre "debajo":
	// "... del LIN": ningún número bajo el límite inferior (LIN);
	// "... del LME": ninguno en la zona media, dentro de los límites (LME);
	// "... del LSU": ninguno sobre el límite superior (LSU).
	Escribir Sin Saltar "Vector: ";
	Para k <- 1 Hasta 26 Con Paso 1 Hacer
		Escribir Sin Saltar " ", v[k];
	FinPara
	Escribir "";
	Si cantBajo = 0 Entonces
		Escribir "Cant. N° bajo el Límite inferior: ", "No hay N° debajo del LIN";
		Escribir "Suma N° bajo el Límite inferior: ", "No hay N° debajo del LIN";
	SiNo
		Escribir "Cant. N° bajo el Límite inferior: ", cantBajo;
		Escribir "Suma N° bajo el Límite inferior: ", sumaBajo;
	FinSi
	Si cantDentro = 0 Entonces
		Escribir "Cant. N° dentro del Límite: ", "No hay N° debajo del LME";
		Escribir "Suma N° dentro del Límite: ", "No hay N° debajo del LME";
	SiNo
		Escribir "Cant. N° dentro del Límite: ", cantDentro;
		Escribir "Suma N° dentro del Límite: ", sumaDentro;
	FinSi
	Si cantSobre = 0 Entonces
		Escribir "Cant. N° sobre el Límite superior: ", "No hay N° debajo del LSU";
		Escribir "Suma N° sobre el Límite superior: ", "No hay N° debajo del LSU";
	SiNo
		Escribir "Cant. N° sobre el Límite superior: ", cantSobre;
		Escribir "Suma N° sobre el Límite superior: ", sumaSobre;
	FinSi
FinAlgoritmo
