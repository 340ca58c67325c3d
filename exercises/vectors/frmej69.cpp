#include "exercises/vectors/limits.h"
#include "exercises/vectors/vector_layout.h"
#include "shell/catalog.h"

namespace ej::vectors {
namespace {

WindowDesign frmej69Design() {
    return vectorWindow({
        .name = "frmej69",
        .caption = "Ejercicio 69",
        .statementLabel = "lblej6901",
        .statement = "Ingrese 35 números. Almacenarlos en un vector. Ordenar los contenidos de los elementos del vector en "
                     "forma descendente dentro del mismo por el método del burbujeo. Obtener el promedio de los números "
                     "contenidos en el vector, el límite inferior que es igual al promedio menos el 60%, el límite "
                     "superior que es igual al promedio más el 60%. Determinar el promedio de los números que están "
                     "bajo el límite inferior, el promedio de los que están dentro del límite y el promedio de los que "
                     "están sobre el límite superior. Mostrar el contenido de los elementos del vector y los valores "
                     "obtenidos.",
        .prompt = {"lblej6902", "Ingrese", "txtej6901"},
        .results = {{"lblej6903", "Vector", "txtej6902"},
                    {"lblej6904", "Promedio N° bajo el Limite inferior", "txtej6903"},
                    {"lblej6905", "Promedio N° dentro del Limite", "txtej6904"},
                    {"lblej6906", "Promedio N° sobre el Limite superior", "txtej6905"}},
        .messageLabel = "lblej6907",
    });
}

Limits sixtyPercentAround(Single average) { return widenedBy(average, 0.6); }

struct Frmej69 final : LimitsWindow<35> {
    explicit Frmej69(const NumberFormat& format)
        : LimitsWindow(frmej69Design(), format, {Method::Bubble, Order::Descending}, sixtyPercentAround,
                       Shown::Average) {}
};

const Registered<Frmej69> registered("frmej69");

}  // namespace
}  // namespace ej::vectors
