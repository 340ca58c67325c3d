#include "exercises/bounded/bounded_layout.h"
#include "exercises/bounded/bounded_series.h"
#include "exercises/bounded/whole_series.h"
#include "shell/catalog.h"

namespace ej {
namespace {

// A value box and its order box side by side.
std::vector<Twips> valueAndOrder(int top) { return {{2520, top, 1215, 405}, {3960, top, 1215, 405}}; }

WindowDesign frmej40Design() {
    return boundedDesign({
        .number = "40",
        .width = 5370,
        .height = 4710,
        .statement = "Ingrese una serie de números enteros, que finalice con el número 0 (cero) y este formada "
                     "por más de 9 y menos de 15 números. Determinar el promedio de los números ingresados, el "
                     "mayor y su orden de ingreso y el menor y su orden de ingreso. Por fin de programa mostrar "
                     "la cantidad, la suma y el promedio de los números ingresados, el mayor y su orden de "
                     "ingreso y el menor y su orden de ingreso.",
        .statementAt = {240, 0, 4815, 1455},
        .captionWidth = 1935,
        .input = {2520, 1680, 975, 285},
        .rows = {{"Cantidad/Suma/Promedio", {{2520, 2040, 735, 345}, {3480, 2040, 735, 345}, {4440, 2040, 735, 345}}},
                 {"Mayor / Orden", valueAndOrder(2520)},
                 {"Menor / Orden", valueAndOrder(3000)}},
        .messageTop = 3600,
        .buttonsTop = 4080,
        .tab = ButtonTab::EntryThenExit,
    });
}

struct Tallies {
    SeriesTotals all;
    SeriesRange range;

    // The two extremes first, then their two orders of entry.
    void describe(Variables& v) const {
        all.describe(v);
        v("mayor", range.largest.value)("menor", range.smallest.value);
        v("orden del mayor", range.largest.position)("orden del menor", range.smallest.position);
    }
};

class Frmej40 final : public BoundedExercise<Tallies> {
public:
    explicit Frmej40(const NumberFormat& format)
        : BoundedExercise(frmej40Design(), format, {.lower = 9, .upper = 15}, Admits::Whole,
                          Wording{.notNumeric = " no es lo pedido"}) {}

private:
    void accumulate(Tallies& t, Single value, Single order) override {
        t.all.add(value, order);
        t.range.offer(value, order);
    }
    std::vector<Result> results() const override {
        return {{"txtej4002", text(s.counter)},
                {"txtej4003", text(s.all.sum)},
                {"txtej4004", text(s.all.average)},
                {"txtej4005", text(s.range.largest.value)},
                {"txtej4006", text(s.range.largest.position)},
                {"txtej4007", text(s.range.smallest.value)},
                {"txtej4008", text(s.range.smallest.position)}};
    }
};

const Registered<Frmej40> registered("frmej40");

}  // namespace
}  // namespace ej
