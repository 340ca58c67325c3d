#include "engine/exercise_window.h"
#include "engine/layout.h"
#include "exercises/series/extremes.h"
#include "exercises/series/series.h"
#include "shell/catalog.h"

namespace ej {
namespace {

WindowDesign frmej15Design() {
    return captionsBeside({
        .name = "frmej15",
        .caption = "Ejercicio 15",
        .statementLabel = "lblej1501",
        .statement = "Ingrese 18 números. Por fin de programa mostrar el menor y el orden en que ingresó y el "
                     "mayor y el orden en que ingresó.",
        .prompt = {"lblej1502", "Ingrese", "txtej1501"},
        .results = {{"lblej1503", "El Mayor", "txtej1502"},
                    {"lblej1504", "El Orden del Mayor", "txtej1503"},
                    {"lblej1505", "El Menor", "txtej1504"},
                    {"lblej1506", "El Orden del Menor", "txtej1505"}},
        .messageLabel = "lblej1507",
    });
}

struct State {
    Series series;
    Largest largest;
    Smallest smallest;

    void describe(Variables& v) const { series.describe(v); largest.describe(v); smallest.describe(v); }
};

class Frmej15 final : public Exercise<State> {
public:
    explicit Frmej15(const NumberFormat& format) : Exercise(frmej15Design(), format) {}

    SeriesLength seriesLength() const override { return SeriesLength::exactly(18); }

private:
    Step step(State& s, const Entry& e) override {
        const Single at = s.series.take(e.value);
        // The smallest first; the largest only when the smallest was not replaced.
        offerInTurn(s.smallest, s.largest, e.value, at, s.series.first());
        return Step::completeWhen(s.series.count == seriesLength().most);
    }
    std::vector<Result> results() const override {
        return {{"txtej1502", text(s.largest.value)},
                {"txtej1503", text(s.largest.position)},
                {"txtej1504", text(s.smallest.value)},
                {"txtej1505", text(s.smallest.position)}};
    }
};

const Registered<Frmej15> registered("frmej15");

}  // namespace
}  // namespace ej
