#pragma once

#include <string_view>

#include "engine/algorithm/lexer.h"
#include "engine/algorithm/program.h"

namespace ej::algorithm {

// Reads an algorithm in the dialect the exercises are written in: `Algoritmo` …
// `FinAlgoritmo` with `Definir`, `Dimension`, `<-`, `Leer`, `Escribir [Sin Saltar]`,
// `Si`, `Mientras`, `Para`, `Repetir`, the operators + - * / ^ MOD = <> < > <= >= Y O NO
// and the functions trunc, abs and redon. Throws AlgorithmError at the first fault.
Program compile(std::string_view source);

}  // namespace ej::algorithm
