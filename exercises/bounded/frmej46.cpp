#include "exercises/bounded/bounded_layout.h"
#include "exercises/bounded/parity_and_sign.h"
#include "shell/catalog.h"

namespace ej {
namespace {

// Built as frmej42.
WindowDesign frmej46Design() {
    return columnDesign({
        .number = "46",
        .width = 5295,
        .height = 4755,
        .statement = "Ingrese una serie de números enteros, que finalice con el número 0 (cero) y este formada por "
                     "más de 9 y menos de 16 números. Determinar la cantidad y la suma de los números pares y la "
                     "cantidad y la suma de los números positivos ingresados. Por fin de programa mostrarlo.",
        .statementHeight = 975,
        .captions = {"Cantidad Par", "Suma Par", "Cantidad Positivo", "Suma Positivo"},
        .tab = ButtonTab::ExitThenEntry,
    });
}

class Frmej46 final : public ParityAndSignExercise {
public:
    explicit Frmej46(const NumberFormat& format)
        : ParityAndSignExercise(frmej46Design(), format, {.lower = 9, .upper = 16},
                                {.parity = ParityClass::Even, .sign = SignClass::Positive}) {}
};

const Registered<Frmej46> registered("frmej46");

}  // namespace
}  // namespace ej
