#include "exercises/vectors/sorted_vector.h"
#include "exercises/vectors/vector_layout.h"
#include "shell/catalog.h"

namespace ej::vectors {
namespace {

WindowDesign frmej59Design() {
    return vectorWindow({
        .name = "frmej59",
        .caption = "Ejercicio 59",
        .statementLabel = "lblej5901",
        .statement = "Ingrese 20 números. Almacenarlos en un vector. Ordenar los contenidos de los elementos del vector en "
                     "forma ascendente dentro del mismo. Mostrar el contenido de los elementos del vector ordenado.",
        .prompt = {"lblej5902", "Ingrese", "txtej5901"},
        .results = {{"lblej5903", "Vector", "txtej5902"}},
        .messageLabel = "lblej5904",
    });
}

struct Frmej59 final : SortedVector<20> {
    explicit Frmej59(const NumberFormat& format)
        : SortedVector(frmej59Design(), format, {Method::Selection, Order::Ascending}) {}
};

const Registered<Frmej59> registered("frmej59");

}  // namespace
}  // namespace ej::vectors
