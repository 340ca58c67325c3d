#include "exercises/bounded/bounded_layout.h"
#include "exercises/bounded/parity_and_sign.h"
#include "shell/catalog.h"

namespace ej {
namespace {

// Built as frmej50.
WindowDesign frmej49Design() {
    return columnDesign({
        .number = "49",
        .width = 5295,
        .height = 5730,
        .statement = "Ingrese una serie de números enteros, que finalice con el número 0 (cero) y este formada por "
                     "más de 10 y menos de 18 números. Determinar la cantidad, la suma y el promedio de los "
                     "números impares y la cantidad, la suma y el promedio de los números positivos ingresados. "
                     "Por fin de programa mostrarlo.",
        .statementHeight = 975,
        .captions = {"Cantidad Impar", "Suma Impar", "Promedio Impar",
                     "Cantidad Positivo", "Suma Positivo", "Promedio Positivo"},
        .tab = ButtonTab::EntryThenExit,
    });
}

class Frmej49 final : public ParityAndSignExercise {
public:
    explicit Frmej49(const NumberFormat& format)
        : ParityAndSignExercise(frmej49Design(), format, {.lower = 10, .upper = 18},
                                {.parity = ParityClass::Odd, .sign = SignClass::Positive, .averaged = true}) {}
};

const Registered<Frmej49> registered("frmej49");

}  // namespace
}  // namespace ej
