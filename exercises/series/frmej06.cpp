#include "engine/exercise_window.h"
#include "engine/layout.h"
#include "exercises/series/series.h"
#include "exercises/series/sign_classes.h"
#include "shell/catalog.h"

namespace ej {
namespace {

WindowDesign frmej06Design() {
    return captionsAbove({
        .name = "frmej06",
        .caption = "Ejercicio 06",
        .statementLabel = "lblej0601",
        .statement = "Ingrese 15 números. Por fin de programa mostrar la cantidad de números positivos y la "
                     "cantidad de números negativos ingresados.",
        .prompt = {"lblej0602", "Ingrese", "txtej0601"},
        .results = {{"lblej0603", "Cantidad de números Positivos", "txtej0602"},
                    {"lblej0604", "Cantidad de números Negativos", "txtej0603"}},
        .messageLabel = "lblej0605",
    });
}

using State = SeriesBySign<Counted, Counted, Zero::Positive>;

class Frmej06 final : public Exercise<State> {
public:
    explicit Frmej06(const NumberFormat& format) : Exercise(frmej06Design(), format) {}

    SeriesLength seriesLength() const override { return SeriesLength::exactly(15); }

private:
    Step step(State& s, const Entry& e) override {
        s.series.take(e.value);
        s.classes.join(e.value);
        return Step::completeWhen(s.series.count == seriesLength().most);
    }
    std::vector<Result> results() const override {
        std::vector<Result> out;
        const auto& [positive, negative] = s.classes;
        addClass(out, positive.empty(), kNoPositive, {{"txtej0602", positive.count}});
        addClass(out, negative.empty(), kNoNegative, {{"txtej0603", negative.count}});
        return out;
    }
};

const Registered<Frmej06> registered("frmej06");

}  // namespace
}  // namespace ej
