#include "exercises/vectors/limits.h"
#include "exercises/vectors/vector_layout.h"
#include "shell/catalog.h"

namespace ej::vectors {
namespace {

WindowDesign frmej68Design() {
    return vectorWindow({
        .name = "frmej68",
        .caption = "Ejercicio 68",
        .statementLabel = "lblej6801",
        .statement = "Ingrese 35 números. Almacenarlos en un vector. Ordenar los contenidos de los elementos del vector en "
                     "forma descendente dentro del mismo. Obtener el promedio de los números contenidos en el vector, el "
                     "límite inferior que es igual al promedio menos el 40%, el límite superior que es igual al promedio "
                     "más el 40%. Determinar el promedio de los números que están bajo el límite inferior, el promedio "
                     "de los que están dentro del límite y el promedio de los que están sobre el límite superior. "
                     "Mostrar el contenido de los elementos del vector y los valores obtenidos.",
        .prompt = {"lblej6802", "Ingrese", "txtej6801"},
        .results = {{"lblej6803", "Vector", "txtej6802"},
                    {"lblej6804", "Promedio N° bajo el Limite inferior", "txtej6803"},
                    {"lblej6805", "Promedio N° dentro del Limite", "txtej6804"},
                    {"lblej6806", "Promedio N° sobre el Limite superior", "txtej6805"}},
        .messageLabel = "lblej6807",
    });
}

Limits fortyPercentAround(Single average) { return widenedBy(average, 0.4); }

struct Frmej68 final : LimitsWindow<35> {
    explicit Frmej68(const NumberFormat& format)
        : LimitsWindow(frmej68Design(), format, {Method::Selection, Order::Descending}, fortyPercentAround,
                       Shown::Average) {}
};

const Registered<Frmej68> registered("frmej68");

}  // namespace
}  // namespace ej::vectors
