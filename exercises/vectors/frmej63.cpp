#include "exercises/common/class_texts.h"
#include "exercises/vectors/class_extremes.h"
#include "exercises/vectors/vector_layout.h"
#include "shell/catalog.h"

namespace ej::vectors {
namespace {

WindowDesign frmej63Design() {
    return vectorWindow({
        .name = "frmej63",
        .caption = "Ejercicio 63",
        .statementLabel = "lblej6301",
        .statement = "Ingrese 24 números enteros. Almacenarlos en un vector. Ordenar los contenidos de los elementos del "
                     "vector en forma ascendente dentro del mismo. Determinar en el vector ordenado, el mayor de los "
                     "pares y el menor de los positivos. Mostrar el contenido de los elementos del vector ordenado y "
                     "los valores obtenidos.",
        .prompt = {"lblej6302", "Ingrese", "txtej6301"},
        .results = {{"lblej6303", "Vector", "txtej6302"},
                    {"lblej6304", "Mayor Par", "txtej6303"},
                    {"lblej6305", "Menor Positivo", "txtej6304"}},
        .messageLabel = "lblej6306",
    });
}

struct Frmej63 final : ClassExtremes<Largest, Smallest> {
    explicit Frmej63(const NumberFormat& format)
        : ClassExtremes(frmej63Design(), format, {Method::Selection, Order::Ascending},
                        {even, kEvens, kNoEven}, {notNegative, kPositives, kNoPositive}) {}
};

const Registered<Frmej63> registered("frmej63");

}  // namespace
}  // namespace ej::vectors
