#include "exercises/common/extreme.h"
#include "exercises/vectors/vector_layout.h"
#include "exercises/vectors/vector_window.h"
#include "shell/catalog.h"

namespace ej::vectors {
namespace {

WindowDesign frmej55Design() {
    return vectorWindow({
        .name = "frmej55",
        .caption = "Ejercicio 55",
        .statementLabel = "lblej5501",
        .statement = "Ingrese 16 números enteros y positivos. Almacenarlos en un vector. Determinar el promedio de "
                     "los números ingresados, el mayor y su ubicación y el menor y su ubicación en el vector. Por "
                     "fin de programa mostrar el contenido del vector y los valores hallados.",
        .prompt = {"lblej5502", "Ingrese", "txtej5501"},
        .results = {{"lblej5503", "Vector", "txtej5502"},
                    {"lblej5504", "Promedio", "txtej5503"},
                    {"lblej5505", "Mayor", "txtej5504"},
                    {"lblej5506", "Orden Mayor", "txtej5505"},
                    {"lblej5507", "Menor", "txtej5506"},
                    {"lblej5508", "Orden Menor", "txtej5507"}},
        .messageLabel = "lblej5509",
    });
}

struct State {
    StoredSeries series{16.0f};
    Single sum;
    Single average;
    Largest largest;
    Smallest smallest;

    void describe(Variables& v) const {
        series.describe(v);
        v("suma", sum)("promedio", average);
        largest.describe(v);
        smallest.describe(v);
    }
};

class Frmej55 final : public VectorWindow<State> {
public:
    explicit Frmej55(const NumberFormat& format)
        : VectorWindow(frmej55Design(), format, wholeNonNegative) {}

private:
    void accumulate(State& s, Single element) override {
        s.sum += element;
        s.average = s.sum / 16.0f;
        const Single at = s.series.counter;
        if (at == Single(1.0f)) {
            s.largest.set(element, at);
            s.smallest.set(element, at);
        } else if (!s.largest.offer(element, at, false)) {
            s.smallest.offer(element, at, false);
        }
    }
    std::vector<Result> statistics() const override {
        return {{"txtej5503", text(s.average)},
                {"txtej5504", text(s.largest.value)},
                {"txtej5505", text(s.largest.position)},
                {"txtej5506", text(s.smallest.value)},
                {"txtej5507", text(s.smallest.position)}};
    }
};

const Registered<Frmej55> registered("frmej55");

}  // namespace
}  // namespace ej::vectors
