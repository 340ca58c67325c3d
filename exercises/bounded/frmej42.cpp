#include "exercises/bounded/bounded_layout.h"
#include "exercises/bounded/bounded_series.h"
#include "exercises/common/class_texts.h"
#include "exercises/common/class_tally.h"
#include "shell/catalog.h"

namespace ej {
namespace {

WindowDesign frmej42Design() {
    return columnDesign({
        .number = "42",
        .width = 5355,
        .height = 4800,
        .statement = "Ingrese una serie de números enteros y positivos, que finalice con el número 0 (cero) y "
                     "este formada por más de 8 y menos de 16 números. Determinar la cantidad y la suma de los "
                     "números pares y la cantidad y la suma de los números impares ingresados. Por fin de "
                     "programa mostrarlo.",
        .statementHeight = 975,
        .captions = {"Cantidad Par", "Suma Par", "Cantidad Impar", "Suma Impar"},
        .tab = ButtonTab::EntryThenExit,
    });
}

struct Parities {
    WorkingCopy copy;
    ClassTally even, odd;

    void describe(Variables& v) const {
        copy.describe(v);
        even.describe(v, kEvens.plural, Kept::CountSum);
        odd.describe(v, kOdds.plural, Kept::CountSum);
    }
};

class Frmej42 final : public BoundedExercise<Parities> {
public:
    explicit Frmej42(const NumberFormat& format)
        : BoundedExercise(frmej42Design(), format, {.lower = 8, .upper = 16}, Admits::WholeNonNegative,
                          Wording{.notNumeric = " no es lo pedido"}) {}

private:
    void accumulate(Parities& t, Single value, Single) override { (t.copy.reduce(value) ? t.even : t.odd).join(value); }
    std::vector<Result> results() const override {
        std::vector<Result> out;
        addClass(out, s.even.empty(), kNoEven, {{"txtej4202", s.even.count}, {"txtej4203", s.even.sum}});
        addClass(out, s.odd.empty(), kNoOdd, {{"txtej4204", s.odd.count}, {"txtej4205", s.odd.sum}});
        return out;
    }
};

const Registered<Frmej42> registered("frmej42");

}  // namespace
}  // namespace ej
