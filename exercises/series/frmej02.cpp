#include "engine/layout.h"
#include "exercises/series/totals_series.h"
#include "shell/catalog.h"

namespace ej {
namespace {

struct Frmej02 : TotalsSeries {
    explicit Frmej02(const NumberFormat& format)
        : TotalsSeries(captionsAbove({
                           .name = "frmej02",
                           .caption = "Ejercicio 02",
                           .statementLabel = "lblej0201",
                           .statement = "Ingrese 15 números. Por fin de programa mostrar el promedio de los "
                                        "números ingresados.",
                           .prompt = {"lblej0202", "Ingrese", "txtej0201"},
                           .results = {{"lblej0203", "Promedio", "txtej0202"}},
                           .messageLabel = "lblej0204",
                       }),
                       format, 15, {{"txtej0202", Shows::Average}}) {}
};

const Registered<Frmej02> registered("frmej02");

}  // namespace
}  // namespace ej
