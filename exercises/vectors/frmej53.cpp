#include "exercises/vectors/vector_layout.h"
#include "exercises/vectors/vector_window.h"
#include "shell/catalog.h"

namespace ej::vectors {
namespace {

WindowDesign frmej53Design() {
    return vectorWindow({
        .name = "frmej53",
        .caption = "Ejercicio 53",
        .statementLabel = "lblej5301",
        .statement = "Ingrese 18 números enteros. Almacenarlos en un vector. Determinar la cantidad, la suma y el "
                     "promedio de los números pares cargados en el vector. Por fin de programa mostrar el "
                     "contenido del vector y los valores hallados.",
        .prompt = {"lblej5302", "Ingrese", "txtej5301"},
        .results = {{"lblej5303", "Vector", "txtej5302"},
                    {"lblej5304", "Cantidad", "txtej5303"},
                    {"lblej5305", "Suma", "txtej5304"},
                    {"lblej5306", "Promedio", "txtej5305"}},
        .messageLabel = "lblej5307",
    });
}

struct State {
    StoredSeries series{18.0f};
    WorkingCopy copy;
    ClassTally even;

    void describe(Variables& v) const {
        series.describe(v);
        copy.describe(v);
        even.describe(v, kEvens.plural, Kept::CountSumAverage);
    }
};

class Frmej53 final : public VectorWindow<State> {
public:
    explicit Frmej53(const NumberFormat& format) : VectorWindow(frmej53Design(), format, wholeNumber) {}

private:
    void accumulate(State& s, Single element) override {
        if (s.copy.reduce(element)) s.even.joinAveraged(element);
    }
    std::vector<Result> statistics() const override {
        std::vector<Result> out;
        addTally(out, s.even, "No ingresó N° pares", "txtej5303", "txtej5304", "txtej5305");
        return out;
    }
};

const Registered<Frmej53> registered("frmej53");

}  // namespace
}  // namespace ej::vectors
