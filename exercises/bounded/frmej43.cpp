#include "exercises/bounded/bounded_layout.h"
#include "exercises/bounded/bounded_series.h"
#include "exercises/common/class_texts.h"
#include "exercises/common/class_tally.h"
#include "shell/catalog.h"

namespace ej {
namespace {

WindowDesign frmej43Design() {
    return columnDesign({
        .number = "43",
        .width = 5310,
        .height = 4275,
        .statement = "Ingrese una serie de números enteros y positivos, que finalice con el número 0 (cero) y "
                     "este formada por más de 11 y menos de 18 números. Determinar la cantidad, la suma y el "
                     "promedio de los números impares ingresados. Por fin de programa mostrarlo.",
        .statementHeight = 855,
        .captions = {"Cantidad ", "Suma ", "Promedio"},
        .tab = ButtonTab::ExitThenEntry,
    });
}

struct Odds {
    WorkingCopy copy;
    ClassTally odd;

    void describe(Variables& v) const {
        copy.describe(v);
        odd.describe(v, kOdds.plural, Kept::CountSumAverage);
    }
};

class Frmej43 final : public BoundedExercise<Odds> {
public:
    explicit Frmej43(const NumberFormat& format)
        : BoundedExercise(frmej43Design(), format, {.lower = 11, .upper = 18}, Admits::WholeNonNegative) {}

private:
    void accumulate(Odds& t, Single value, Single) override {
        if (!t.copy.reduce(value)) t.odd.joinAveraged(value);
    }
    std::vector<Result> results() const override {
        std::vector<Result> out;
        addClass(out, s.odd.empty(), kNoOdd,
                 {{"txtej4302", s.odd.count}, {"txtej4303", s.odd.sum}, {"txtej4304", s.odd.average}});
        return out;
    }
};

const Registered<Frmej43> registered("frmej43");

}  // namespace
}  // namespace ej
