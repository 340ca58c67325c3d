#include "exercises/bounded/bounded_layout.h"
#include "exercises/bounded/parity_and_sign.h"
#include "shell/catalog.h"

namespace ej {
namespace {

// Built as frmej42.
WindowDesign frmej47Design() {
    return columnDesign({
        .number = "47",
        .width = 5340,
        .height = 4755,
        .statement = "Ingrese una serie de números enteros, que finalice con el número 0 (cero) y este formada por "
                     "más de 10 y menos de 15 números. Determinar la cantidad y la suma de los números pares y la "
                     "cantidad y la suma de los números negativos ingresados. Por fin de programa mostrarlo.",
        .statementHeight = 975,
        .captions = {"Cantidad Par", "Suma Par", "Cantidad Negativo", "Suma Negativo"},
        .tab = ButtonTab::EntryThenExit,
    });
}

class Frmej47 final : public ParityAndSignExercise {
public:
    explicit Frmej47(const NumberFormat& format)
        : ParityAndSignExercise(frmej47Design(), format, {.lower = 10, .upper = 15},
                                {.parity = ParityClass::Even, .sign = SignClass::Negative}) {}
};

const Registered<Frmej47> registered("frmej47");

}  // namespace
}  // namespace ej
