#include "engine/exercise_window.h"
#include "engine/layout.h"
#include "exercises/series/totals.h"
#include "shell/catalog.h"

namespace ej {
namespace {

WindowDesign frmej01Design() {
    return captionsAbove({
        .name = "frmej01",
        .caption = "Ejercicio 01",
        .statementLabel = "lblej0101",
        .statement = "Ingrese 10 números. Por fin de programa mostrar la suma de los números ingresados.",
        .prompt = {"lblej0102", "Ingrese", "txtej0101"},
        .results = {{"lblej0103", "Suma", "txtej0102"}},
        .messageLabel = "lblej0104",
    });
}

struct State {
    Single value;
    Totals totals;
};

class Frmej01 final : public Exercise<State> {
public:
    explicit Frmej01(const NumberFormat& format) : Exercise(frmej01Design(), format) {}

private:
    Step step(State& s, const Entry& e) override {
        s.value = e.value;
        s.totals.add(s.value);
        return Step::completeWhen(s.totals.count == 10);
    }
    std::vector<Result> results() const override { return {{"txtej0102", text(s.totals.sum)}}; }
};

const Registered<Frmej01> registered("frmej01");

}  // namespace
}  // namespace ej
