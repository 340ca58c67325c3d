#include "exercises/vectors/limits.h"
#include "exercises/vectors/vector_layout.h"
#include "shell/catalog.h"

namespace ej::vectors {
namespace {

// Two columns: the vector box with the below and within boxes on the left, the above
// boxes on the right, level with the vector box and the below count.
WindowDesign frmej67Design() {
    constexpr int kVectorBox = 4500;
    return captionGrid({
        .name = "frmej67",
        .caption = "Ejercicio 67",
        .statementLabel = "lblej6701",
        .statement = "Ingrese 26 números. Ordenar los contenidos de los elementos del vector en forma descendente "
                     "dentro del mismo por el método del burbujeo. almacenarlos en un vector. Obtener el promedio de "
                     "los números contenidos en el vector, el límite inferior que es igual al promedio menos el 50%, "
                     "el límite superior que es igual al promedio más el 50%. Determinar la cantidad y la suma de los "
                     "números que están bajo el límite inferior, la cantidad y la suma de los que están dentro del "
                     "límite y la cantidad y suma de los que están sobre el límite superior. Mostrar el contenido de "
                     "los elementos del vector y los valores obtenidos.",
        .inputs = {{{"lblej6702", "Ingrese", "txtej6701"}, 0, 0}},
        .results = {{{"lblej6703", "Vector", "txtej6702"}, 1, 0, kVectorBox},
                    {{"lblej6704", "Cant. N° bajo el Limite inferior", "txtej6703"}, 2, 0},
                    {{"lblej6705", "Suma N° bajo Limite inferior", "txtej6704"}, 3, 0},
                    {{"lblej6706", "Cant. N° dentro del Limite", "txtej6705"}, 4, 0},
                    {{"lblej6707", "Suma N° dentro del Limite", "txtej6706"}, 5, 0},
                    {{"lblej6708", "Cant. N° sobre el Limite superior", "txtej6707"}, 1, 1},
                    {{"lblej6709", "Suma N° sobre el Limite superior", "txtej6708"}, 2, 1}},
        .messageLabel = "lblej6710",
        .buttons = {{"cmdej6701", "INGRESO"}, {"cmdej6702", "SALIR"}},
    });
}

struct Frmej67 final : LimitsWindow<26> {
    explicit Frmej67(const NumberFormat& format)
        : LimitsWindow(frmej67Design(), format, {Method::Bubble, Order::Descending}, halfAround,
                       Shown::CountAndSum) {}
};

const Registered<Frmej67> registered("frmej67");

}  // namespace
}  // namespace ej::vectors
