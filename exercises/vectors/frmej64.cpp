#include "exercises/common/class_texts.h"
#include "exercises/vectors/class_extremes.h"
#include "exercises/vectors/vector_layout.h"
#include "shell/catalog.h"

namespace ej::vectors {
namespace {

WindowDesign frmej64Design() {
    return vectorWindow({
        .name = "frmej64",
        .caption = "Ejercicio 64",
        .statementLabel = "lblej6401",
        .statement = "Ingrese 24 números enteros. Almacenarlos en un vector. Ordenar los contenidos de los elementos del "
                     "vector en forma descendente dentro del mismo. Determinar en el vector ordenado, el mayor de los "
                     "pares y el menor de los positivos. Mostrar el contenido de los elementos del vector ordenado y "
                     "los valores obtenidos.",
        .prompt = {"lblej6402", "Ingrese", "txtej6401"},
        .results = {{"lblej6403", "Vector", "txtej6402"},
                    {"lblej6404", "Mayor Par", "txtej6403"},
                    {"lblej6405", "Menor Positivo", "txtej6404"}},
        .messageLabel = "lblej6406",
    });
}

struct Frmej64 final : ClassExtremes<Largest, Smallest> {
    explicit Frmej64(const NumberFormat& format)
        : ClassExtremes(frmej64Design(), format, {Method::Selection, Order::Descending},
                        {even, kEvens, kNoEven}, {notNegative, kPositives, kNoPositive}) {}
};

const Registered<Frmej64> registered("frmej64");

}  // namespace
}  // namespace ej::vectors
