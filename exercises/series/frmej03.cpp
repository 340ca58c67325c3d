#include "engine/layout.h"
#include "exercises/series/totals_series.h"
#include "shell/catalog.h"

namespace ej {
namespace {

struct Frmej03 : TotalsSeries {
    explicit Frmej03(const NumberFormat& format)
        : TotalsSeries(captionsAbove({
                           .name = "frmej03",
                           .caption = "Ejercicio 03",
                           .statementLabel = "lblej0301",
                           .statement = "Ingrese 20 números. Por fin de programa mostrar la cantidad, la suma y "
                                        "el promedio de los números ingresados.  ",
                           .prompt = {"lblej0302", "Ingrese", "txtej0301"},
                           .results = {{"lblej0303", "Cantidad", "txtej0302"},
                                       {"lblej0304", "Suma", "txtej0303"},
                                       {"lblej0305", "Promedio", "txtej0304"}},
                           .messageLabel = "lblej0306",
                           .entryCaption = "Ingreso",
                           .exitCaption = "Salir",
                       }),
                       format, 20,
                       {{"txtej0304", Shows::Average}, {"txtej0302", Shows::Count}, {"txtej0303", Shows::Sum}}) {}
};

const Registered<Frmej03> registered("frmej03");

}  // namespace
}  // namespace ej
