#include "engine/layout.h"
#include "exercises/series/extreme_of_series.h"
#include "shell/catalog.h"

namespace ej {
namespace {

WindowDesign frmej04Design() {
    return captionsAbove({
        .name = "frmej04",
        .caption = "Ejercicio 04",
        .statementLabel = "lblej0401",
        .statement = "Ingrese 25 números. Por fin de programa mostrar el mayor de los números ingresados.",
        .prompt = {"lblej0402", "Ingrese", "txtej0401"},
        .results = {{"lblej0403", "El Mayor", "txtej0402"}},
        .messageLabel = "lblej0404",
    });
}

// The largest of 25 values.
class Frmej04 final : public ExtremeOfSeries<Extremum::Largest> {
public:
    explicit Frmej04(const NumberFormat& format) : ExtremeOfSeries(frmej04Design(), format, 25, {"txtej0402", ""}) {}
};

const Registered<Frmej04> registered("frmej04");

}  // namespace
}  // namespace ej
