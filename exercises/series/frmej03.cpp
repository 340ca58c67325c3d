#include "engine/exercise_window.h"
#include "engine/layout.h"
#include "exercises/series/totals.h"
#include "shell/catalog.h"

namespace ej {
namespace {

WindowDesign frmej03Design() {
    return captionsAbove({
        .name = "frmej03",
        .caption = "Ejercicio 03",
        .statementLabel = "lblej0301",
        .statement = "Ingrese 20 números. Por fin de programa mostrar la cantidad, la suma y el promedio de "
                     "los números ingresados.  ",
        .prompt = {"lblej0302", "Ingrese", "txtej0301"},
        .results = {{"lblej0303", "Cantidad", "txtej0302"},
                    {"lblej0304", "Suma", "txtej0303"},
                    {"lblej0305", "Promedio", "txtej0304"}},
        .messageLabel = "lblej0306",
        .entryCaption = "Ingreso",
        .exitCaption = "Salir",
    });
}

struct State {
    Single value;
    Totals totals;
};

class Frmej03 final : public Exercise<State> {
public:
    explicit Frmej03(const NumberFormat& format) : Exercise(frmej03Design(), format) {}

private:
    Step step(State& s, const Entry& e) override {
        s.value = e.value;
        s.totals.add(s.value);
        return Step::completeWhen(s.totals.count == 20);
    }
    std::vector<Result> results() const override {
        return {{"txtej0304", text(s.totals.average)},
                {"txtej0302", text(s.totals.count)},
                {"txtej0303", text(s.totals.sum)}};
    }
};

const Registered<Frmej03> registered("frmej03");

}  // namespace
}  // namespace ej
