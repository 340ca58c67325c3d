#include "engine/exercise_window.h"
#include "exercises/series/extremes.h"
#include "exercises/series/layouts.h"
#include "exercises/series/totals.h"
#include "shell/catalog.h"

namespace ej {
namespace {

WindowDesign frmej17Design() {
    return captionsBesideRows({
        .name = "frmej17",
        .caption = "Ejercicio 17",
        .statementLabel = "lblej1701",
        .statement = "Ingrese 19 números. Determinar el promedio de los números ingresados, el mayor y su orden "
                     "de ingreso y el menor y su orden de ingreso. Por fin de programa mostrar la cantidad, la "
                     "suma y el promedio de los números ingresados, el mayor y su orden de ingreso y el menor y "
                     "su orden de ingreso.",
        .prompt = {"lblej1702", "Ingrese", "txtej1701"},
        .results = {{"lblej1703", "La Cantidad / La Suma", {"txtej1702", "txtej1703"}},
                    {"lblej1704", "El Promedio de los N° Ingresados", {"txtej1704"}},
                    {"lblej1705", "El Mayor / El Orden del Mayor", {"txtej1705", "txtej1706"}},
                    {"lblej1706", "El Menor / El Orden del Menor", {"txtej1707", "txtej1708"}}},
        .messageLabel = "lblej1707",
        .boxWidth = 1455,
    });
}

struct State {
    Single value;
    Totals totals;
    Largest largest;
    Smallest smallest;

    void describe(Variables& v) const {
        v("contador", totals.count)("valor", value);
        largest.describe(v);
        smallest.describe(v);
        v("suma", totals.sum)("promedio", totals.average);
    }
};

class Frmej17 final : public Exercise<State> {
public:
    explicit Frmej17(const NumberFormat& format) : Exercise(frmej17Design(), format) {}

    SeriesLength seriesLength() const override { return SeriesLength::exactly(19); }

private:
    Step step(State& s, const Entry& e) override {
        s.value = e.value;
        s.totals.add(s.value);
        // The largest first; the smallest only when the largest was not replaced.
        offerInTurn(s.largest, s.smallest, s.value, s.totals.count.asSingle(), s.totals.count == 1);
        return Step::completeWhen(s.totals.count == seriesLength().most);
    }
    std::vector<Result> results() const override {
        return {{"txtej1702", text(s.totals.count)},      {"txtej1703", text(s.totals.sum)},
                {"txtej1704", text(s.totals.average)},    {"txtej1705", text(s.largest.value)},
                {"txtej1706", text(s.largest.position)},  {"txtej1707", text(s.smallest.value)},
                {"txtej1708", text(s.smallest.position)}};
    }
};

const Registered<Frmej17> registered("frmej17");

}  // namespace
}  // namespace ej
