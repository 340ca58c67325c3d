#include "exercises/bounded/bounded_layout.h"
#include "exercises/bounded/bounded_series.h"
#include "exercises/bounded/whole_series.h"
#include "shell/catalog.h"

namespace ej {
namespace {

WindowDesign frmej37Design() {
    return boundedDesign({
        .number = "37",
        .width = 5340,
        .height = 3990,
        .statement = "Ingrese una serie de números enteros, que finalice con el número 0 (cero) y este formada "
                     "por más de 6 y menos de 14 números. Determinar el menor y el orden en que ingresó y el "
                     "mayor y el orden en que ingresó. Por fin de programa mostrarlos.",
        .statementAt = {240, 0, 4815, 855},
        .captionWidth = 1335,
        .input = {1920, 1200, 975, 285},
        .rows = {{"Menor / Orden", {{1920, 1680, 1335, 405}, {3600, 1680, 1455, 405}}},
                 {"Mayor / Orden", {{1920, 2280, 1335, 405}, {3600, 2280, 1455, 405}}}},
        .messageTop = 2880,
        .buttonsTop = 3360,
        .tab = ButtonTab::ExitThenEntry,
    });
}

class Frmej37 final : public BoundedExercise<SeriesRange> {
public:
    explicit Frmej37(const NumberFormat& format)
        : BoundedExercise(frmej37Design(), format, {.lower = 6, .upper = 14}, Admits::Whole) {}

private:
    void accumulate(SeriesRange& range, Single value, Single order) override { range.offer(value, order); }
    std::vector<Result> results() const override {
        return {{"txtej3702", text(s.smallest.value)},
                {"txtej3703", text(s.smallest.position)},
                {"txtej3704", text(s.largest.value)},
                {"txtej3705", text(s.largest.position)}};
    }
};

const Registered<Frmej37> registered("frmej37");

}  // namespace
}  // namespace ej
