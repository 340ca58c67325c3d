#include "exercises/bounded/bounded_layout.h"
#include "exercises/bounded/parity_and_sign.h"
#include "shell/catalog.h"

namespace ej {
namespace {

WindowDesign frmej50Design() {
    return columnDesign({
        .number = "50",
        .width = 5325,
        .height = 5685,
        .statement = "Ingrese una serie de números enteros, que finalice con el número 0 (cero) y este formada por "
                     "más de 9 y menos de 16 números. Determinar la cantidad, la suma y el promedio de los números "
                     "impares y la cantidad, la suma y el promedio de los números negativos ingresados. Por fin de "
                     "programa mostrarlo.",
        .statementHeight = 975,
        .captions = {"Cantidad Impar", "Suma Impar", "Promedio Impar",
                     "Cantidad Negativo", "Suma Negativo", "Promedio Negativo"},
        .tab = ButtonTab::ExitThenEntry,
    });
}

class Frmej50 final : public ParityAndSignExercise {
public:
    explicit Frmej50(const NumberFormat& format)
        : ParityAndSignExercise(frmej50Design(), format, {.lower = 9, .upper = 16},
                                {.parity = ParityClass::Odd, .sign = SignClass::Negative, .averaged = true}) {}
};

const Registered<Frmej50> registered("frmej50");

}  // namespace
}  // namespace ej
