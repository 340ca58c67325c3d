#pragma once

#include <string>

namespace ej {

// What every result box of a class that received no value shows; each window has its
// own choice of singular or plural.
inline const std::string kNoPositive = "No ingresó N° positivo";
inline const std::string kNoNegative = "No ingresó N° negativo";
inline const std::string kNoPositives = "No ingresó N° positivos";
inline const std::string kNoNegatives = "No ingresó N° negativos";
inline const std::string kNoEven = "No ingresó N° par";
inline const std::string kNoOdd = "No ingresó N° impar";

}  // namespace ej
