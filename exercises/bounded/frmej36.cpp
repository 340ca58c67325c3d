#include "exercises/bounded/bounded_layout.h"
#include "exercises/bounded/bounded_series.h"
#include "exercises/bounded/whole_series.h"
#include "shell/catalog.h"

namespace ej {
namespace {

WindowDesign frmej36Design() {
    return boundedDesign({
        .number = "36",
        .width = 5385,
        .height = 4785,
        .statement = "Ingrese una serie de números enteros, que finalice con el número 0 (cero) y este formada "
                     "por más de 15 y menos de 25 números. Por fin de programa mostrar la cantidad, la sumatoria "
                     "y el promedio de los números ingresados. ",
        .statementAt = {240, 120, 4815, 855},
        .captionWidth = 1335,
        .input = {1920, 1320, 1575, 285},
        .rows = {{"Cantidad", {{1920, 1800, 3015, 405}}},
                 {"Suma", {{1920, 2400, 3015, 405}}},
                 {"Promedio", {{1920, 3000, 3015, 405}}}},
        .messageTop = 3600,
        .buttonsTop = 4080,
        .tab = ButtonTab::EntryThenExit,
    });
}

class Frmej36 final : public BoundedExercise<SeriesTotals> {
public:
    explicit Frmej36(const NumberFormat& format)
        : BoundedExercise(frmej36Design(), format, {.lower = 15, .upper = 25}, Admits::Whole) {}

private:
    void accumulate(SeriesTotals& totals, Single value, Single order) override { totals.add(value, order); }
    std::vector<Result> results() const override {
        return {{"txtej3602", text(s.counter)}, {"txtej3603", text(s.sum)}, {"txtej3604", text(s.average)}};
    }
};

const Registered<Frmej36> registered("frmej36");

}  // namespace
}  // namespace ej
