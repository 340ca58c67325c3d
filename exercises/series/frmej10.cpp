#include "engine/exercise_window.h"
#include "exercises/series/layouts.h"
#include "exercises/series/series.h"
#include "exercises/series/sign_classes.h"
#include "shell/catalog.h"

namespace ej {
namespace {

WindowDesign frmej10Design() {
    return captionsInGrid({
        .name = "frmej10",
        .caption = "Ejercicio 10",
        .statementLabel = "lblej1001",
        .statement = "Ingrese 17 números. Por fin de programa mostrar la cantidad, la suma y el promedio de los "
                     "números positivos y la cantidad, la suma y el promedio de los números negativos.",
        .prompt = {"lblej1002", "Ingreso", "txtej1001"},
        .messageLabel = "lblej1003",
        .columns = {{"lblej1007", "Positivos"}, {"lblej1008", "Negativos"}},
        .rows = {{"lblej1004", "Cantidad"}, {"lblej1005", "Suma"}, {"lblej1006", "Promedio"}},
        .boxes = {"txtej1002", "txtej1003", "txtej1004", "txtej1005", "txtej1006", "txtej1007"},
    });
}

using State = SeriesBySign<Averaged, Averaged, Zero::Negative>;

class Frmej10 final : public Exercise<State> {
public:
    explicit Frmej10(const NumberFormat& format) : Exercise(frmej10Design(), format) {
        messageLabel_ = "lblej1003";
    }

    SeriesLength seriesLength() const override { return SeriesLength::exactly(17); }

private:
    Step step(State& s, const Entry& e) override {
        s.series.take(e.value);
        s.classes.join(e.value);
        return Step::completeWhen(s.series.count == seriesLength().most);
    }
    std::vector<Result> results() const override {
        std::vector<Result> out;
        const auto& [positive, negative] = s.classes;
        addClass(out, positive.empty(), kNoPositive,
                 {{"txtej1002", positive.count}, {"txtej1004", positive.sum}, {"txtej1006", positive.average}});
        addClass(out, negative.empty(), kNoNegative,
                 {{"txtej1003", negative.count}, {"txtej1005", negative.sum}, {"txtej1007", negative.average}});
        return out;
    }
};

const Registered<Frmej10> registered("frmej10");

}  // namespace
}  // namespace ej
