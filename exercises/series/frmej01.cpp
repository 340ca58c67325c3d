#include "engine/layout.h"
#include "exercises/series/totals_series.h"
#include "shell/catalog.h"

namespace ej {
namespace {

struct Frmej01 : TotalsSeries {
    explicit Frmej01(const NumberFormat& format)
        : TotalsSeries(captionsAbove({
                           .name = "frmej01",
                           .caption = "Ejercicio 01",
                           .statementLabel = "lblej0101",
                           .statement = "Ingrese 10 números. Por fin de programa mostrar la suma de los números "
                                        "ingresados.",
                           .prompt = {"lblej0102", "Ingrese", "txtej0101"},
                           .results = {{"lblej0103", "Suma", "txtej0102"}},
                           .messageLabel = "lblej0104",
                       }),
                       format, 10, {{"txtej0102", Shows::Sum}}) {}
};

const Registered<Frmej01> registered("frmej01");

}  // namespace
}  // namespace ej
