#include "exercises/bounded/bounded_layout.h"
#include "exercises/bounded/bounded_series.h"
#include "exercises/common/class_texts.h"
#include "exercises/common/class_tally.h"
#include "exercises/common/extreme.h"
#include "shell/catalog.h"

namespace ej {
namespace {

WindowDesign frmej45Design() {
    return columnDesign({
        .number = "45",
        .width = 5310,
        .height = 5610,
        .statement = "Ingrese una serie de números enteros y positivos, que finalice con el número 0 (cero) y "
                     "este formada por más de 7 y menos de 13 números. Determinar el menor y su orden de ingreso "
                     "de los números pares y el mayor y su orden de ingreso de los números impares ingresados. "
                     "Por fin de programa mostrarlo.",
        .statementHeight = 975,
        .captions = {"Menor Par", "Orden Par", "Mayor Impar", "Orden Impar"},
        .tab = ButtonTab::ExitThenEntry,
    });
}

struct Extremes {
    WorkingCopy copy;
    ClassTally even, odd;  // their counts only
    Smallest smallestEven;
    Largest largestOdd;

    void describe(Variables& v) const {
        copy.describe(v);
        even.describe(v, kEvens.plural, Kept::Count);
        smallestEven.describe(v, kEvens.singular);
        odd.describe(v, kOdds.plural, Kept::Count);
        largestOdd.describe(v, kOdds.singular);
    }
};

class Frmej45 final : public BoundedExercise<Extremes> {
public:
    explicit Frmej45(const NumberFormat& format)
        : BoundedExercise(frmej45Design(), format, {.lower = 7, .upper = 13}, Admits::WholeNonNegative) {}

private:
    void accumulate(Extremes& t, Single value, Single order) override {
        if (t.copy.reduce(value)) {
            t.even.join();
            t.smallestEven.offer(value, order, t.even.first());
        } else {
            t.odd.join();
            t.largestOdd.offer(value, order, t.odd.first());
        }
    }
    std::vector<Result> results() const override {
        std::vector<Result> out;
        addClass(out, s.even.empty(), kNoEven,
                 {{"txtej4502", s.smallestEven.value}, {"txtej4503", s.smallestEven.position}});
        addClass(out, s.odd.empty(), kNoOdd, {{"txtej4504", s.largestOdd.value}, {"txtej4505", s.largestOdd.position}});
        return out;
    }
};

const Registered<Frmej45> registered("frmej45");

}  // namespace
}  // namespace ej
