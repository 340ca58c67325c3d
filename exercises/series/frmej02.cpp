#include "engine/exercise_window.h"
#include "engine/layout.h"
#include "exercises/series/totals.h"
#include "shell/catalog.h"

namespace ej {
namespace {

WindowDesign frmej02Design() {
    return captionsAbove({
        .name = "frmej02",
        .caption = "Ejercicio 02",
        .statementLabel = "lblej0201",
        .statement = "Ingrese 15 números. Por fin de programa mostrar el promedio de los números ingresados.",
        .prompt = {"lblej0202", "Ingrese", "txtej0201"},
        .results = {{"lblej0203", "Promedio", "txtej0202"}},
        .messageLabel = "lblej0204",
    });
}

struct State {
    Single value;
    Totals totals;
};

class Frmej02 final : public Exercise<State> {
public:
    explicit Frmej02(const NumberFormat& format) : Exercise(frmej02Design(), format) {}

private:
    Step step(State& s, const Entry& e) override {
        s.value = e.value;
        s.totals.add(s.value);
        return Step::completeWhen(s.totals.count == 15);
    }
    std::vector<Result> results() const override { return {{"txtej0202", text(s.totals.average)}}; }
};

const Registered<Frmej02> registered("frmej02");

}  // namespace
}  // namespace ej
