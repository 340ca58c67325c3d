#include "exercises/bounded/bounded_layout.h"
#include "exercises/bounded/bounded_series.h"
#include "exercises/common/class_texts.h"
#include "exercises/common/class_tally.h"
#include "shell/catalog.h"

namespace ej {
namespace {

WindowDesign frmej38Design() {
    return boundedDesign({
        .number = "38",
        .width = 5310,
        .height = 4020,
        .statement = "Ingrese una serie de números enteros, que finalice con el número 0 (cero) y este formada "
                     "por más de 11 y menos de 18 números. Determinar el promedio de los números positivos "
                     "ingresados y el promedio de los números negativos. Por fin de programa mostrarlos.",
        .statementAt = {240, 0, 4815, 855},
        .captionWidth = 1335,
        .input = {1920, 1200, 975, 285},
        .rows = {{"Promedio Positivo", {{1920, 1680, 3015, 405}}},
                 {.caption = "Promedio Negativo", .boxes = {{1920, 2280, 3015, 405}}, .labelWidth = 1455}},
        .messageTop = 2880,
        .buttonsTop = 3360,
        .tab = ButtonTab::EntryThenExit,
    });
}

struct Signs {
    ClassTally positive, negative;

    void describe(Variables& v) const {
        positive.describe(v, kPositives.plural, Kept::CountSumAverage);
        negative.describe(v, kNegatives.plural, Kept::CountSumAverage);
    }
};

class Frmej38 final : public BoundedExercise<Signs> {
public:
    explicit Frmej38(const NumberFormat& format)
        : BoundedExercise(frmej38Design(), format, {.lower = 11, .upper = 18}, Admits::Whole) {}

private:
    void accumulate(Signs& t, Single value, Single) override {
        (value < 0.0f ? t.negative : t.positive).joinAveraged(value);
    }
    std::vector<Result> results() const override {
        std::vector<Result> out;
        addClass(out, s.positive.empty(), kNoPositive, {{"txtej3802", s.positive.average}});
        addClass(out, s.negative.empty(), kNoNegative, {{"txtej3803", s.negative.average}});
        return out;
    }
};

const Registered<Frmej38> registered("frmej38");

}  // namespace
}  // namespace ej
