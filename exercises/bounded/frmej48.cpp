#include "exercises/bounded/bounded_layout.h"
#include "exercises/bounded/parity_and_sign.h"
#include "shell/catalog.h"

namespace ej {
namespace {

// Built as frmej42.
WindowDesign frmej48Design() {
    return columnDesign({
        .number = "48",
        .width = 5355,
        .height = 4770,
        .statement = "Ingrese una serie de números enteros, que finalice con el número 0 (cero) y este formada por "
                     "más de 5 y menos de 15 números. Determinar la cantidad y la suma de los números impares y la "
                     "cantidad y la suma de los números negativos ingresados. Por fin de programa mostrarlo.",
        .statementHeight = 975,
        .captions = {"Cantidad Impar", "Suma Impar", "Cantidad Negativo", "Suma Negativo"},
        .tab = ButtonTab::ExitThenEntry,
    });
}

class Frmej48 final : public ParityAndSignExercise {
public:
    explicit Frmej48(const NumberFormat& format)
        : ParityAndSignExercise(frmej48Design(), format, {.lower = 5, .upper = 15},
                                {.parity = ParityClass::Odd, .sign = SignClass::Negative}) {}
};

const Registered<Frmej48> registered("frmej48");

}  // namespace
}  // namespace ej
