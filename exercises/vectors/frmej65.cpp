#include "exercises/common/class_texts.h"
#include "exercises/vectors/class_extremes.h"
#include "exercises/vectors/vector_layout.h"
#include "shell/catalog.h"

namespace ej::vectors {
namespace {

WindowDesign frmej65Design() {
    return vectorWindow({
        .name = "frmej65",
        .caption = "Ejercicio 65",
        .statementLabel = "lblej6501",
        .statement = "Ingrese 24 números enteros. Almacenarlos en un vector. Ordenar los contenidos de los elementos del "
                     "vector en forma descendente dentro del mismo por el método del burbujeo. Determinar en el vector "
                     "ordenado, el menor de los impares y el mayor de los negativos. Mostrar el contenido de los "
                     "elementos del vector ordenado y los valores obtenidos.",
        .prompt = {"lblej6502", "Ingrese", "txtej6501"},
        .results = {{"lblej6503", "Vector", "txtej6502"},
                    {"lblej6504", "Menor Impar", "txtej6503"},
                    {"lblej6505", "Mayor Negativo", "txtej6504"}},
        .messageLabel = "lblej6506",
    });
}

struct Frmej65 final : ClassExtremes<Smallest, Largest> {
    explicit Frmej65(const NumberFormat& format)
        : ClassExtremes(frmej65Design(), format, {Method::Bubble, Order::Descending},
                        {odd, kOdds, kNoOdd}, {negative, kNegatives, kNoNegative}) {}
};

const Registered<Frmej65> registered("frmej65");

}  // namespace
}  // namespace ej::vectors
