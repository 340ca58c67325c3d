#pragma once

#include <string>

namespace ej {

// What every result box of a class that received no value shows.
inline const std::string kNoPositive = "No ingresó N° positivo";
inline const std::string kNoNegative = "No ingresó N° negativo";
inline const std::string kNoEven = "No ingresó N° par";
inline const std::string kNoOdd = "No ingresó N° impar";

}  // namespace ej
