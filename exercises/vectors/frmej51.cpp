#include "exercises/vectors/vector_layout.h"
#include "exercises/vectors/vector_window.h"
#include "shell/catalog.h"

namespace ej::vectors {
namespace {

WindowDesign frmej51Design() {
    return vectorWindow({
        .name = "frmej51",
        .caption = "Ejercicio 51",
        .statementLabel = "lblej5101",
        .statement = "Ingrese 15 números. Almacenarlos en un vector. Hallar el promedio. Mostrar el contenido de los "
                     "elementos del vector y el promedio.",
        .prompt = {"lblej5102", "Ingrese", "txtej5101"},
        .results = {{"lblej5103", "Vector", "txtej5102"}, {"lblej5104", "Promedio", "txtej5103"}},
        .messageLabel = "lblej5105",
    });
}

struct State {
    StoredSeries series{15.0f};
    Single sum;
    Single average;

    void describe(Variables& v) const {
        series.describe(v);
        v("suma", sum)("promedio", average);
    }
};

class Frmej51 final : public VectorWindow<State> {
public:
    explicit Frmej51(const NumberFormat& format) : VectorWindow(frmej51Design(), format, anyValue) {}

private:
    // The series average divides by N, not by the counter.
    void accumulate(State& s, Single element) override {
        s.sum += element;
        s.average = s.sum / 15.0f;
    }
    std::vector<Result> statistics() const override { return {{"txtej5103", text(s.average)}}; }
};

const Registered<Frmej51> registered("frmej51");

}  // namespace
}  // namespace ej::vectors
