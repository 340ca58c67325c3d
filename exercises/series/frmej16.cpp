#include "exercises/series/layouts.h"
#include "exercises/series/sign_classes.h"
#include "shell/catalog.h"

namespace ej {
namespace {

WindowDesign frmej16Design() {
    return captionsBesideRows({
        .name = "frmej16",
        .caption = "Ejercicio 16",
        .statementLabel = "lblej1601",
        .statement = "Ingrese 18 números. Determinar el promedio de los números ingresados, el promedio de los "
                     "números positivos y el promedio de los números negativos. Por fin de programa mostrar la "
                     "suma y el promedio de los números ingresados, la suma y el promedio de los números "
                     "positivos y la suma y promedio de los números negativos.",
        .prompt = {"lblej1602", "Ingrese", "txtej1601"},
        .results = {{"lblej1603", "La Suma / El Promedio de los N° Ingresados", {"txtej1602", "txtej1603"}},
                    {"lblej1604", "La Suma / El Promedio de los N° Positivos", {"txtej1604", "txtej1605"}},
                    {"lblej1605", "La Suma / El Promedio de los N° Negativos", {"txtej1606", "txtej1607"}}},
        .messageLabel = "lblej1606",
        .boxWidth = 1920,
    });
}

class Frmej16 final : public TotalsBySignWindow {
public:
    explicit Frmej16(const NumberFormat& format) : TotalsBySignWindow(frmej16Design(), format, 18) {}

private:
    std::vector<Result> results() const override {
        const auto& [positive, negative] = s.classes;
        std::vector<Result> out{{"txtej1602", text(s.totals.sum)}, {"txtej1603", text(s.totals.average)}};
        addClass(out, positive.empty(), kNoPositive, {{"txtej1604", positive.sum}, {"txtej1605", positive.average}});
        addClass(out, negative.empty(), kNoNegative, {{"txtej1606", negative.sum}, {"txtej1607", negative.average}});
        return out;
    }
};

const Registered<Frmej16> registered("frmej16");

}  // namespace
}  // namespace ej
