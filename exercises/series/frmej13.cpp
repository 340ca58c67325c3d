#include "engine/layout.h"
#include "exercises/series/extreme_of_series.h"
#include "shell/catalog.h"

namespace ej {
namespace {

WindowDesign frmej13Design() {
    return captionsBeside({
        .name = "frmej13",
        .caption = "Ejercicio 13",
        .statementLabel = "lblej1301",
        .statement = "Ingrese 12 números. Por fin de programa mostrar el mayor y el orden en que ingresó.",
        .prompt = {"lblej1302", "Ingrese", "txtej1301"},
        .results = {{"lblej1303", "El Mayor", "txtej1302"}, {"lblej1304", "El Orden de Ingreso", "txtej1303"}},
        .messageLabel = "lblej1305",
    });
}

// The largest of 12 values and its order of entry.
class Frmej13 final : public ExtremeOfSeries<Extremum::Largest> {
public:
    explicit Frmej13(const NumberFormat& format)
        : ExtremeOfSeries(frmej13Design(), format, 12, {"txtej1302", "txtej1303"}) {}
};

const Registered<Frmej13> registered("frmej13");

}  // namespace
}  // namespace ej
