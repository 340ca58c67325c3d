#include "engine/layout.h"
#include "exercises/series/extreme_of_series.h"
#include "shell/catalog.h"

namespace ej {
namespace {

WindowDesign frmej05Design() {
    return captionsAbove({
        .name = "frmej05",
        .caption = "Ejercicio 05",
        .statementLabel = "lblej0501",
        .statement = "Ingrese 8 números. Por fin de programa mostrar el menor de los números ingresados.",
        .prompt = {"lblej0502", "Ingrese", "txtej0501"},
        .results = {{"lblej0503", "El Menor", "txtej0502"}},
        .messageLabel = "lblej0504",
    });
}

// The smallest of 8 values.
class Frmej05 final : public ExtremeOfSeries<Extremum::Smallest> {
public:
    explicit Frmej05(const NumberFormat& format) : ExtremeOfSeries(frmej05Design(), format, 8, {"txtej0502", ""}) {}
};

const Registered<Frmej05> registered("frmej05");

}  // namespace
}  // namespace ej
