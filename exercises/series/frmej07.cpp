#include "engine/exercise_window.h"
#include "engine/layout.h"
#include "exercises/series/extremes.h"
#include "exercises/series/series.h"
#include "exercises/series/sign_classes.h"
#include "shell/catalog.h"

namespace ej {
namespace {

WindowDesign frmej07Design() {
    return captionsAbove({
        .name = "frmej07",
        .caption = "Ejercicio 07",
        .statementLabel = "lblej0701",
        .statement = "Ingrese 17 números. Por fin de programa mostrar el menor de los números positivos ingresados.",
        .prompt = {"lblej0702", "Ingrese", "txtej0701"},
        .results = {{"lblej0703", "El Menor de los números Positivos", "txtej0702"}},
        .messageLabel = "lblej0704",
    });
}

struct State {
    Series series;
    ClassSmallest positive;

    void describe(Variables& v) const { series.describe(v); positive.describe(v, kPositives); }
};

class Frmej07 final : public Exercise<State> {
public:
    explicit Frmej07(const NumberFormat& format) : Exercise(frmej07Design(), format, {.prefix = "el valor "}) {}

    SeriesLength seriesLength() const override { return SeriesLength::exactly(17); }

private:
    Step step(State& s, const Entry& e) override {
        s.series.take(e.value);
        if (e.value > 0.0f) s.positive.join(e.value);  // 0 and the negatives are only counted in the series
        return Step::completeWhen(s.series.count == seriesLength().most);
    }
    std::vector<Result> results() const override {
        std::vector<Result> out;
        addClass(out, s.positive.empty(), kNoPositives, {{"txtej0702", s.positive.extreme.value}});
        return out;
    }
};

const Registered<Frmej07> registered("frmej07");

}  // namespace
}  // namespace ej
