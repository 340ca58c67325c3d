#include "exercises/vectors/change.h"
#include "exercises/vectors/vector_layout.h"
#include "exercises/vectors/vector_window.h"
#include "shell/catalog.h"

namespace ej::vectors {
namespace {

// The counts in a column under the sum; the count of 1 in a second column, beside the sum.
WindowDesign frmej58Design() {
    return captionGrid({
        .name = "frmej58",
        .caption = "Ejercicio 58",
        .statementLabel = "lblej5801",
        .statement = "Ingrese 18 importes de sueldos netos a abonar (enteros y positivos). Almacenarlos en un vector. "
                     "Hallar el corte (cambio necesario para abonar cada uno), utilizando billetes de 100, 50, 20, 10, "
                     "5, 2 y monedas de 1 peso. Mostrar el contenido del vector, la suma de los importes a abonar y la "
                     "cantidad de billetes y moneda de cada valor necesarios para abonarlos.",
        .inputs = {{{"lblej5802", "Ingrese", "txtej5801"}, 0, 0}},
        .results = {{{"lblej5803", "Vector", "txtej5802"}, 1, 0, kToRightEdge},
                    {{"lblej5804", "Suma de los importes a abonar", "txtej5803"}, 2, 0},
                    {{"lblej5805", "Cant. de billetes de $100", "txtej5804"}, 3, 0},
                    {{"lblej5806", "Cant. de billetes de $50", "txtej5805"}, 4, 0},
                    {{"lblej5807", "Cant. de billetes de $20", "txtej5806"}, 5, 0},
                    {{"lblej5808", "Cant. de billetes de $10", "txtej5807"}, 6, 0},
                    {{"lblej5809", "Cant. de billetes de $5", "txtej5808"}, 7, 0},
                    {{"lblej5810", "Cant. de billetes de $2", "txtej5809"}, 8, 0},
                    {{"lblej5811", "Cant. de monedas de $1", "txtej5810"}, 2, 1}},
        .messageLabel = "lblej5812",
        .buttons = {{"cmdej5801", "INGRESO"}, {"cmdej5802", "SALIR"}},
    });
}

struct State {
    StoredSeries series{18.0f};
    Single sum;
    Change change;

    void describe(Variables& v) const {
        series.describe(v);
        v("suma", sum);
        change.describe(v);
    }
};

class Frmej58 final : public VectorWindow<State> {
public:
    // The numeric test and the admission rule share the one message.
    explicit Frmej58(const NumberFormat& format)
        : VectorWindow(frmej58Design(), format, wholeNonNegative, {.notNumeric = " no es lo pedido"}) {}

private:
    // Net amounts small enough for their breakdown to end.
    bool workable(Single amount) const override { return breakdownEnds(amount); }
    void accumulate(State& s, Single element) override { s.sum += element; }
    void finish(State& s) override {
        loopBegins(s);
        s.change.breakDownEach(s.series.vector, [&](std::string cut) { loopPass(std::move(cut), s); });
    }
    std::vector<Result> statistics() const override {
        std::vector<Result> out{{"txtej5803", text(s.sum)}};
        for (auto& r : s.change.results(design(), 4, format())) out.push_back(std::move(r));
        return out;
    }
};

const Registered<Frmej58> registered("frmej58");

}  // namespace
}  // namespace ej::vectors
