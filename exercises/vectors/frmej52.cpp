#include "exercises/common/class_texts.h"
#include "exercises/vectors/vector_layout.h"
#include "exercises/vectors/vector_window.h"
#include "shell/catalog.h"

namespace ej::vectors {
namespace {

WindowDesign frmej52Design() {
    return vectorWindow({
        .name = "frmej52",
        .caption = "Eejercicio 52",
        .statementLabel = "lblej5201",
        .statement = "Ingrese 18 números enteros. Almacenarlos en un vector. Determinar la cantidad, la suma y el "
                     "promedio de los números negativos cargados en el vector. Por fin de programa mostar el "
                     "contenido del vector y los valores hallados.",
        .prompt = {"lblej5202", "Ingrese", "txtej5201"},
        .results = {{"lblej5203", "Vector", "txtej5202"},
                    {"lblej5204", "Cantidad", "txtej5203"},
                    {"lblej5205", "Suma", "txtej5204"},
                    {"lblej5206", "Promedio", "txtej5205"}},
        .messageLabel = "lblej5207",
    });
}

struct State {
    StoredSeries series{18.0f};
    ClassTally negative;  // 0 counts as negative

    void describe(Variables& v) const {
        series.describe(v);
        negative.describe(v, kNegatives.plural, Kept::CountSumAverage);
    }
};

class Frmej52 final : public VectorWindow<State> {
public:
    explicit Frmej52(const NumberFormat& format)
        : VectorWindow(frmej52Design(), format, wholeNumber, {.notNumeric = " no es númerico"}) {}

private:
    void accumulate(State& s, Single element) override {
        if (element <= Single(0.0f)) {
            s.negative.joinAveraged(element);
        } else {
            // A value above 0 empties the input box at once, the last one too.
            view().setText(inputBox_, "");
            view().focus(inputBox_);
        }
    }
    std::vector<Result> statistics() const override {
        std::vector<Result> out;
        addTally(out, s.negative, kNoNegative, "txtej5203", "txtej5204", "txtej5205");
        return out;
    }
};

const Registered<Frmej52> registered("frmej52");

}  // namespace
}  // namespace ej::vectors
