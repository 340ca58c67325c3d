#include "exercises/vectors/sorted_vector.h"
#include "exercises/vectors/vector_layout.h"
#include "shell/catalog.h"

namespace ej::vectors {
namespace {

WindowDesign frmej61Design() {
    return vectorWindow({
        .name = "frmej61",
        .caption = "Ejercicio 61",
        .statementLabel = "lblej6101",
        .statement = "Ingrese 23 números. Almacenarlos en un vector. Ordenar los contenidos de los elementos del vector en "
                     "forma ascendente dentro del mismo, por el método del burbujeo. Mostrar el contenido de los "
                     "elementos del vector ordenado.",
        .prompt = {"lblej6102", "Ingrese", "txtej6101"},
        .results = {{"lblej6103", "Vector", "txtej6102"}},
        .messageLabel = "lblej6104",
    });
}

struct Frmej61 final : SortedVector<23> {
    explicit Frmej61(const NumberFormat& format)
        : SortedVector(frmej61Design(), format, {Method::Bubble, Order::Ascending}) {}
};

const Registered<Frmej61> registered("frmej61");

}  // namespace
}  // namespace ej::vectors
