#include "exercises/bounded/bounded_layout.h"
#include "exercises/bounded/bounded_series.h"
#include "exercises/common/class_texts.h"
#include "exercises/bounded/whole_series.h"
#include "exercises/common/class_tally.h"
#include "shell/catalog.h"

namespace ej {
namespace {

// A sum box and an average box side by side.
std::vector<Twips> sumAndAverage(int top) { return {{2040, top, 1455, 405}, {3720, top, 1455, 405}}; }

WindowDesign frmej39Design() {
    return boundedDesign({
        .number = "39",
        .width = 5310,
        .height = 5235,
        .statement = "Ingrese una serie de números enteros, que finalice con el número 0 (cero) y este formada "
                     "por más de 8 y menos de 15 números. Determinar el promedio de los números ingresados, el "
                     "promedio de los números positivos ingresados y el promedio de los números negativos "
                     "ingresados. Por fin de programa mostrar la suma y el promedio de los números ingresados, "
                     "la suma y el promedio de los números positivos ingresados y la suma y el promedio de los "
                     "números negativos ingresados.",
        .statementAt = {240, 0, 4815, 1575},
        .captionWidth = 1455,
        .input = {2040, 1800, 975, 285},
        // The two lower captions wrap, and stand level with their boxes.
        .rows = {{"Suma y Promedio", sumAndAverage(2160)},
                 {.caption = "Suma y Promedio N° Positivo", .boxes = sumAndAverage(2760), .labelTop = 2760,
                  .labelHeight = 375},
                 {.caption = "Suma y Promedio N° Negativo", .boxes = sumAndAverage(3360), .labelTop = 3360,
                  .labelHeight = 495}},
        .messageTop = 4080,
        .buttonsTop = 4560,
        .tab = ButtonTab::ExitThenEntry,
    });
}

struct Tallies {
    SeriesTotals all;
    ClassTally positive, negative;

    void describe(Variables& v) const {
        all.describe(v);
        positive.describe(v, kPositives.plural, Kept::CountSumAverage);
        negative.describe(v, kNegatives.plural, Kept::CountSumAverage);
    }
};

class Frmej39 final : public BoundedExercise<Tallies> {
public:
    explicit Frmej39(const NumberFormat& format)
        : BoundedExercise(frmej39Design(), format, {.lower = 8, .upper = 15}, Admits::Whole) {}

private:
    void accumulate(Tallies& t, Single value, Single order) override {
        t.all.add(value, order);
        (value < 0.0f ? t.negative : t.positive).joinAveraged(value);
    }
    std::vector<Result> results() const override {
        std::vector<Result> out{{"txtej3902", text(s.all.sum)}, {"txtej3903", text(s.all.average)}};
        addClass(out, s.positive.empty(), kNoPositive,
                 {{"txtej3904", s.positive.sum}, {"txtej3905", s.positive.average}});
        addClass(out, s.negative.empty(), kNoNegative,
                 {{"txtej3906", s.negative.sum}, {"txtej3907", s.negative.average}});
        return out;
    }
};

const Registered<Frmej39> registered("frmej39");

}  // namespace
}  // namespace ej
