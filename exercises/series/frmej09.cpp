#include "engine/exercise_window.h"
#include "engine/layout.h"
#include "exercises/series/extremes.h"
#include "exercises/series/series.h"
#include "exercises/series/sign_classes.h"
#include "shell/catalog.h"

namespace ej {
namespace {

WindowDesign frmej09Design() {
    return captionsAbove({
        .name = "frmej09",
        .caption = "Ejercicio 09",
        .statementLabel = "lblej0901",
        .statement = "Ingrese 20 números. Por fin de programa mostrar el menor de los positivos y el mayor de los "
                     "negativos.",
        .prompt = {"lblej0902", "Ingrese", "txtej0901"},
        .results = {{"lblej0903", "El Menor de los Positivos", "txtej0902"},
                    {"lblej0904", "El Mayor de los Negativos", "txtej0903"}},
        .messageLabel = "lblej0905",
    });
}

using State = SeriesBySign<ClassSmallest, ClassLargest, Zero::Positive>;

class Frmej09 final : public Exercise<State> {
public:
    explicit Frmej09(const NumberFormat& format) : Exercise(frmej09Design(), format) {}

    SeriesLength seriesLength() const override { return SeriesLength::exactly(20); }

private:
    Step step(State& s, const Entry& e) override {
        s.series.take(e.value);
        s.classes.join(e.value);
        return Step::completeWhen(s.series.count == seriesLength().most);
    }
    std::vector<Result> results() const override {
        std::vector<Result> out;
        const auto& [positive, negative] = s.classes;
        addClass(out, negative.empty(), kNoNegative, {{"txtej0903", negative.extreme.value}});
        addClass(out, positive.empty(), kNoPositives, {{"txtej0902", positive.extreme.value}});
        return out;
    }
};

const Registered<Frmej09> registered("frmej09");

}  // namespace
}  // namespace ej
