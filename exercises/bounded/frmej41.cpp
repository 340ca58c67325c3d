#include "exercises/bounded/bounded_layout.h"
#include "exercises/bounded/bounded_series.h"
#include "exercises/common/class_texts.h"
#include "exercises/common/class_tally.h"
#include "shell/catalog.h"

namespace ej {
namespace {

WindowDesign frmej41Design() {
    return boundedDesign({
        .number = "41",
        .width = 5340,
        .height = 4035,
        .statement = "Ingrese una serie de números enteros y positivos, que finalice con el número 0 (cero) y "
                     "este formada por más de 10 y menos de 16 números. Determinar la cantidad y la suma de los "
                     "números pares ingresados. Por fin de programa mostrarlo.",
        .statementAt = {240, 0, 4815, 855},
        .captionWidth = 1575,
        .input = {2160, 1080, 975, 285},
        .rows = {{"Cantidad ", {{2160, 1560, 2535, 465}}}, {"Suma", {{2160, 2160, 2535, 465}}}},
        .messageTop = 2880,
        .buttonsTop = 3360,
        .tab = ButtonTab::ExitThenEntry,
    });
}

struct Evens {
    WorkingCopy copy;
    ClassTally even;

    void describe(Variables& v) const {
        copy.describe(v);
        even.describe(v, kEvens.plural, Kept::CountSum);
    }
};

class Frmej41 final : public BoundedExercise<Evens> {
public:
    explicit Frmej41(const NumberFormat& format)
        : BoundedExercise(frmej41Design(), format, {.lower = 10, .upper = 16}, Admits::WholeNonNegative) {}

private:
    void accumulate(Evens& t, Single value, Single) override {
        if (t.copy.reduce(value)) t.even.join(value);
    }
    std::vector<Result> results() const override {
        std::vector<Result> out;
        addClass(out, s.even.empty(), kNoEven, {{"txtej4102", s.even.count}, {"txtej4103", s.even.sum}});
        return out;
    }
};

const Registered<Frmej41> registered("frmej41");

}  // namespace
}  // namespace ej
