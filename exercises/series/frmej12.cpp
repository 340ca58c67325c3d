#include "engine/layout.h"
#include "exercises/series/sign_classes.h"
#include "shell/catalog.h"

namespace ej {
namespace {

WindowDesign frmej12Design() {
    return captionsBeside({
        .name = "frmej12",
        .caption = "Ejercicio 12",
        .statementLabel = "lblej1201",
        .statement = "Ingrese 18 números. Por fin de programa mostrar el promedio de los números ingresados, el "
                     "promedio de los números positivos y el promedio de los números negativos.",
        .prompt = {"lblej1202", "Ingrese", "txtej1201"},
        .results = {{"lblej1203", "El Promedio de los N° Ingresados", "txtej1202"},
                    {"lblej1204", "El Promedio de los N° Positivos", "txtej1203"},
                    {"lblej1205", "El Promedio de los N° Negativos", "txtej1204"}},
        .messageLabel = "lblej1206",
    });
}

class Frmej12 final : public TotalsBySignWindow {
public:
    explicit Frmej12(const NumberFormat& format) : TotalsBySignWindow(frmej12Design(), format, 18) {}

private:
    std::vector<Result> results() const override {
        const auto& [positive, negative] = s.classes;
        std::vector<Result> out{{"txtej1202", text(s.totals.average)}};
        addClass(out, negative.empty(), kNoNegative, {{"txtej1204", negative.average}});
        addClass(out, positive.empty(), kNoPositive, {{"txtej1203", positive.average}});
        return out;
    }
};

const Registered<Frmej12> registered("frmej12");

}  // namespace
}  // namespace ej
