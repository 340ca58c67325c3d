#include "exercises/bounded/bounded_layout.h"
#include "exercises/bounded/bounded_series.h"
#include "exercises/common/class_texts.h"
#include "exercises/common/class_tally.h"
#include "exercises/common/extreme.h"
#include "shell/catalog.h"

namespace ej {
namespace {

WindowDesign frmej44Design() {
    return columnDesign({
        .number = "44",
        .width = 5310,
        .height = 3840,
        .statement = "Ingrese una serie de números enteros y positivos, que finalice con el número 0 (cero) y "
                     "este formada por más de 8 y menos de 17 números. Determinar el mayor y su orden de ingreso "
                     "de los números pares ingresados. Por fin de programa mostrarlo.",
        .statementHeight = 855,
        .captions = {"Mayor", "Orden"},
        .tab = ButtonTab::EntryThenExit,
    });
}

struct LargestEven {
    WorkingCopy copy;
    ClassTally even;  // its count only
    Largest largest;

    void describe(Variables& v) const {
        copy.describe(v);
        even.describe(v, kEvens.plural, Kept::Count);
        largest.describe(v, kEvens.singular);
    }
};

class Frmej44 final : public BoundedExercise<LargestEven> {
public:
    explicit Frmej44(const NumberFormat& format)
        : BoundedExercise(frmej44Design(), format, {.lower = 8, .upper = 17}, Admits::WholeNonNegative) {}

private:
    // Odd values only lengthen the series, and so move the orders of entry on.
    void accumulate(LargestEven& t, Single value, Single order) override {
        if (!t.copy.reduce(value)) return;
        t.even.join();
        t.largest.offer(value, order, t.even.first());
    }
    std::vector<Result> results() const override {
        std::vector<Result> out;
        addClass(out, s.even.empty(), kNoEven, {{"txtej4402", s.largest.value}, {"txtej4403", s.largest.position}});
        return out;
    }
};

const Registered<Frmej44> registered("frmej44");

}  // namespace
}  // namespace ej
