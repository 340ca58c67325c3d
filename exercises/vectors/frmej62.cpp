#include "exercises/vectors/sorted_vector.h"
#include "exercises/vectors/vector_layout.h"
#include "shell/catalog.h"

namespace ej::vectors {
namespace {

WindowDesign frmej62Design() {
    return vectorWindow({
        .name = "frmej62",
        .caption = "Ejercicio 62",
        .statementLabel = "lblej6201",
        .statement = "Ingrese 33 números. Almacenarlos en un vector. Ordenar los contenidos de los elementos del vector en "
                     "forma descendente dentro del mismo, por el método del burbujeo. Mostrar el contenido de los "
                     "elementos del vector ordenado.",
        .prompt = {"lblej6202", "Ingrese", "txtej6201"},
        .results = {{"lblej6203", "Vector", "txtej6202"}},
        .messageLabel = "lblej6204",
    });
}

struct Frmej62 final : SortedVector<33> {
    explicit Frmej62(const NumberFormat& format)
        : SortedVector(frmej62Design(), format, {Method::Bubble, Order::Descending}) {}
};

const Registered<Frmej62> registered("frmej62");

}  // namespace
}  // namespace ej::vectors
