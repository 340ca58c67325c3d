#include "engine/exercise_window.h"
#include "engine/layout.h"
#include "exercises/series/extremes.h"
#include "exercises/series/series.h"
#include "exercises/series/sign_classes.h"
#include "shell/catalog.h"

namespace ej {
namespace {

WindowDesign frmej11Design() {
    return captionsAbove({
        .name = "frmej11",
        .caption = "Ejercicio 11",
        .statementLabel = "lblej1101",
        .statement = "Ingrese 11 números. Por fin de programa mostrar el mayor de los positivos y el menor de los "
                     "negativos.",
        .prompt = {"lblej1102", "Ingrese", "txtej1101"},
        .results = {{"lblej1103", "El Mayor de los Positivos", "txtej1102"},
                    {"lblej1104", "El Menor de los Negativos", "txtej1103"}},
        .messageLabel = "lblej1105",
    });
}

using State = SeriesBySign<ClassLargest, ClassSmallest, Zero::Positive>;

class Frmej11 final : public Exercise<State> {
public:
    explicit Frmej11(const NumberFormat& format) : Exercise(frmej11Design(), format) {}

    SeriesLength seriesLength() const override { return SeriesLength::exactly(11); }

private:
    Step step(State& s, const Entry& e) override {
        s.series.take(e.value);
        s.classes.join(e.value);
        return Step::completeWhen(s.series.count == seriesLength().most);
    }
    std::vector<Result> results() const override {
        std::vector<Result> out;
        const auto& [positive, negative] = s.classes;
        addClass(out, negative.empty(), kNoNegative, {{"txtej1103", negative.extreme.value}});
        addClass(out, positive.empty(), kNoPositive, {{"txtej1102", positive.extreme.value}});
        return out;
    }
};

const Registered<Frmej11> registered("frmej11");

}  // namespace
}  // namespace ej
