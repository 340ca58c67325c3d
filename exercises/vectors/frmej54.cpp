#include "exercises/common/class_texts.h"
#include "exercises/common/extreme.h"
#include "exercises/vectors/vector_layout.h"
#include "exercises/vectors/vector_window.h"
#include "shell/catalog.h"

namespace ej::vectors {
namespace {

WindowDesign frmej54Design() {
    return vectorWindow({
        .name = "frmej54",
        .caption = "Ejercicio 54",
        .statementLabel = "lblej5401",
        .statement = "Ingrese 14 números enteros y positivos. Almacenarlos en un vector. Determinar el menor y su "
                     "ubicación en el vector de los números impares cargados en el vector. Por fin de programa "
                     "mostrar el contenido del vector y los valores hallados.",
        .prompt = {"lblej5402", "Ingrese", "txtej5401"},
        .results = {{"lblej5403", "Vector", "txtej5402"},
                    {"lblej5404", "Menor", "txtej5403"},
                    {"lblej5405", "Orden", "txtej5404"}},
        .messageLabel = "lblej5406",
    });
}

struct State {
    StoredSeries series{14.0f};
    WorkingCopy copy;
    ClassTally odd;  // its count only
    Smallest smallestOdd;

    void describe(Variables& v) const {
        series.describe(v);
        copy.describe(v);
        odd.describe(v, kOdds.plural, Kept::Count);
        smallestOdd.describe(v, kOdds.singular);
    }
};

class Frmej54 final : public VectorWindow<State> {
public:
    explicit Frmej54(const NumberFormat& format)
        : VectorWindow(frmej54Design(), format, wholeNonNegative) {}

private:
    void accumulate(State& s, Single element) override {
        if (s.copy.reduce(element)) return;
        s.odd.join();
        s.smallestOdd.offer(element, s.series.counter, s.odd.first());
    }
    std::vector<Result> statistics() const override {
        std::vector<Result> out;
        addClass(out, s.odd.empty(), kNoOdd,
                 {{"txtej5403", s.smallestOdd.value}, {"txtej5404", s.smallestOdd.position}});
        return out;
    }
};

const Registered<Frmej54> registered("frmej54");

}  // namespace
}  // namespace ej::vectors
