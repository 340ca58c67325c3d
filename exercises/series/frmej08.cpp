#include "engine/exercise_window.h"
#include "engine/layout.h"
#include "exercises/series/extremes.h"
#include "exercises/series/series.h"
#include "exercises/series/sign_classes.h"
#include "shell/catalog.h"

namespace ej {
namespace {

WindowDesign frmej08Design() {
    return captionsAbove({
        .name = "frmej08",
        .caption = "Ejercicio 08",
        .statementLabel = "Label1",
        .statement = "Ingrese 12 números. Mostrar el mayor de los negativos y la suma de los positivos.",
        .prompt = {"lblej0802", "Ingrese", "txtej0801"},
        .results = {{"lblej0803", "El Mayor de los Negativos", "txtej0802"},
                    {"lblej0804", "La Suma de los Positivos", "txtej0803"}},
        .messageLabel = "lblej0805",
    });
}

using State = SeriesBySign<ClassTally, ClassLargest, Zero::Positive>;

class Frmej08 final : public Exercise<State> {
public:
    explicit Frmej08(const NumberFormat& format) : Exercise(frmej08Design(), format, {.prefix = " El valor "}) {}

    SeriesLength seriesLength() const override { return SeriesLength::exactly(12); }

private:
    Step step(State& s, const Entry& e) override {
        s.series.take(e.value);
        s.classes.join(e.value);
        return Step::completeWhen(s.series.count == seriesLength().most);
    }
    std::vector<Result> results() const override {
        std::vector<Result> out;
        const auto& [positive, negative] = s.classes;
        addClass(out, negative.empty(), kNoNegatives, {{"txtej0802", negative.extreme.value}});
        addClass(out, positive.empty(), kNoPositives, {{"txtej0803", positive.sum}});
        return out;
    }
};

const Registered<Frmej08> registered("frmej08");

}  // namespace
}  // namespace ej
