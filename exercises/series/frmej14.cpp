#include "engine/layout.h"
#include "exercises/series/extreme_of_series.h"
#include "shell/catalog.h"

namespace ej {
namespace {

WindowDesign frmej14Design() {
    return captionsBeside({
        .name = "frmej14",
        .caption = "Ejercicio 14",
        .statementLabel = "lblej1401",
        .statement = "Ingrese 15 números. Por fin de programa mostrar el menor y el orden en que ingresó.",
        .prompt = {"lblej1402", "Ingrese", "txtej1401"},
        .results = {{"lblej1403", "El Menor", "txtej1402"}, {"lblej1404", "El Orden de Ingreso", "txtej1403"}},
        .messageLabel = "lblej1405",
    });
}

// The smallest of 15 values and its order of entry.
class Frmej14 final : public ExtremeOfSeries<Extremum::Smallest> {
public:
    explicit Frmej14(const NumberFormat& format)
        : ExtremeOfSeries(frmej14Design(), format, 15, {"txtej1402", "txtej1403"}) {}
};

const Registered<Frmej14> registered("frmej14");

}  // namespace
}  // namespace ej
