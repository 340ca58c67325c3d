#include "exercises/vectors/sorted_vector.h"
#include "exercises/vectors/vector_layout.h"
#include "shell/catalog.h"

namespace ej::vectors {
namespace {

WindowDesign frmej60Design() {
    return vectorWindow({
        .name = "frmej60",
        .caption = "Ejercicio 60",
        .statementLabel = "lblej6001",
        .statement = "Ingrese 13 números. Almacenarlos en un vector. Ordenar los contenidos de los elementos del vector en "
                     "forma descendente dentro del mismo. Mostrar el contenido de los elementos del vector ordenado.",
        .prompt = {"lblej6002", "Ingrese", "txtej6001"},
        .results = {{"lblej6003", "Vector", "txtej6002"}},
        .messageLabel = "lblej6004",
    });
}

struct Frmej60 final : SortedVector<13> {
    explicit Frmej60(const NumberFormat& format)
        : SortedVector(frmej60Design(), format, {Method::Selection, Order::Descending}) {}
};

const Registered<Frmej60> registered("frmej60");

}  // namespace
}  // namespace ej::vectors
