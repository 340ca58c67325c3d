#pragma once

// Algorithms the interpreter's tests share.
namespace ej::algorithm {

// The parity reduction as the exercises write it: its inner loop is run in one go.
inline constexpr const char* kReduction = R"(Algoritmo Paridad
	Definir valor, copia Como Real;
	Mientras 1 = 1 Hacer
		Leer valor;
		copia <- abs(valor);
		Mientras copia >= 2 Hacer
			copia <- copia - 2;
		FinMientras
	FinMientras
FinAlgoritmo)";

}  // namespace ej::algorithm
