#include <limits>

#include "exercises/vectors/change.h"
#include "exercises/vectors/vector_layout.h"
#include "exercises/vectors/vector_window.h"
#include "shell/catalog.h"

namespace ej::vectors {
namespace {

// The two input boxes side by side; under the vector box, the sums and the counts of
// 100, 50 and 20 in a first column, the counts of 10, 5, 2 and 1 in a second one.
WindowDesign frmej66Design() {
    return captionGrid({
        .name = "frmej66",
        .caption = "Ejercicio 66",
        .statementLabel = "lblej6601",
        .statement = "Ingrese la cantidad de sueldos a abonar. Generar un vector que pueda contener la cantidad de "
                     "sueldos a abonar. Almacenar los importes ingresados en el vector. A los valores ingresados "
                     "deducirle el 17% de cargas sociales y redondeando los centavos hacia arriba almacenarlos en otro "
                     "vector. Hallar el corte (cambio necesario para abonar cada uno), utilizando billetes de 100, 50, "
                     "20, 10, 5, 2 y monedas de 1 peso. Mostrar el contenido de los elementos del vector con los "
                     "sueldos brutos, la suma de los importes a abonar y la cantidad de billetes y moneda de cada "
                     "valor necesarios para abonarlos.",
        .inputs = {{{"lblej6602", "Ingrese", "txtej6601"}, 0, 0},
                   {{"lblej6603", "Ingrese Importe", "txtej6602"}, 0, 1}},
        .results = {{{"lblej6604", "Vector", "txtej6603"}, 1, 0, kToRightEdge},
                    {{"lblej6605", "Suma de los sueldos brutos", "txtej6604"}, 2, 0},
                    {{"lblej6606", "Suma de los importes a abonar", "txtej6605"}, 3, 0},
                    {{"lblej6607", "Cant. de billetes de $100", "txtej6606"}, 4, 0},
                    {{"lblej6608", "Cant. de billetes de $50", "txtej6607"}, 5, 0},
                    {{"lblej6609", "Cant. de billetes de $20", "txtej6608"}, 6, 0},
                    {{"lblej6610", "Cant. de billetes de $10", "txtej6609"}, 2, 1},
                    {{"lblej6611", "Cant. de billetes de $5", "txtej6610"}, 3, 1},
                    {{"lblej6612", "Cant. de billetes de $2", "txtej6611"}, 4, 1},
                    {{"lblej6613", "Cant. de monedas de $1", "txtej6612"}, 5, 1}},
        .messageLabel = "lblej6614",
        .buttons = {{"cmdej6601", "INGRESO CANTIDAD"}, {"cmdej6602", "INGRESO IMPORTE"}, {"cmdej6603", "SALIR"}},
    });
}

constexpr auto kQuantityBox = "txtej6601";
constexpr auto kQuantityButton = "cmdej6601";
constexpr auto kAskForQuantity = "Debe ingresar la cantidad de sueldos";

struct State {
    Single value;
    Single wageCounter;  // the subscript of each gross amount
    Single wages;        // the number of wages; 0 until one is accepted
    Single grossSum;
    Single netSum;
    Change change;
    Vector gross;  // no vector until a number of wages is accepted
    Vector net;

    void describe(Variables& v) const {
        v("valor", value)("contador", wageCounter)("cantidad de sueldos", wages);
        v("suma bruta", grossSum)("suma neta", netSum);
        change.describe(v);
        v("vector bruto", gross.leadingText(v.format()))("vector neto", net.leadingText(v.format()));
    }
};

// "INGRESO CANTIDAD" takes the number of wages and sizes the vectors; "INGRESO
// IMPORTE" is the entry step of the amounts, the series this window completes.
class Frmej66 final : public Exercise<State> {
public:
    explicit Frmej66(const NumberFormat& format) : Exercise(frmej66Design(), format) {
        inputBox_ = "txtej6602";
        entryButton_ = "cmdej6602";
        exitButton_ = "cmdej6603";
    }

    // The amounts are counted once their number is in.
    SeriesLength seriesLength() const override {
        if (s.wages == Single(0.0f)) return {};
        constexpr int most = std::numeric_limits<int>::max();
        return SeriesLength::exactly(s.wages.value() < static_cast<float>(most) ? static_cast<int>(s.wages.value()) : most);
    }
    std::string progress() const override {
        if (s.wages == Single(0.0f)) return "primero, la cantidad de sueldos";
        return ExerciseWindow::progress();
    }

    // The number of wages comes first.
    EntryPoint nextEntry() const override {
        if (s.wages == Single(0.0f)) return {kQuantityBox, kQuantityButton};
        return ExerciseWindow::nextEntry();
    }

    void clicked(std::string_view button) override {
        if (button == kQuantityButton) return traced(kQuantityBox, [this] { enterQuantity(); });
        quantityMissing_ = false;
        ExerciseWindow::clicked(button);
        if (quantityMissing_) askForQuantity();
    }

private:
    void enterQuantity() {
        view().setText(messageLabel_, "");
        const std::string typed = view().text(kQuantityBox);
        if (!isNumeric(typed, format())) return refuse(notNumeric(typed), kQuantityBox);
        try {
            s.value = toSingle(readValue(typed, format()));
        } catch (const ArithmeticFault&) {
            return refuse(notAsked(typed), kQuantityBox);
        }
        handOver(s.value);
        // A number of 0 would leave no room for any amount.
        if (!isWholeNonNegative(s.value) || s.value == Single(0.0f)) return refuse(notAsked(typed), kQuantityBox);
        s.wages = s.value;
        s.gross = Vector(s.wages);
        s.net = Vector(s.wages);
        view().setEnabled(kQuantityBox, false);
        view().setEnabled(kQuantityButton, false);
        view().setEnabled(inputBox_, true);
        view().focus(inputBox_);
        view().setEnabled(entryButton_, true);
        view().setDefault(entryButton_);
    }

    // An amount typed while no number of wages belongs to the series (a new window, or
    // after an activation reset the series) sends the student back to the number.
    void askForQuantity() {
        view().setEnabled(kQuantityBox, true);
        view().setEnabled(kQuantityButton, true);
        view().setDefault(kQuantityButton);
        view().focus(kQuantityBox);
    }

    // Gross amounts above 0, whose net amount can be broken down.
    Step step(State& s, const Entry& e) override {
        s.value = e.value;
        const bool above = s.value > Single(0.0f);
        const bool ends = above && breakdownEnds(netAmount(s.value));
        if (s.wages == Single(0.0f)) {
            // The algorithm still waits for the number of wages, not for an amount.
            if (!ends) return Step::refusedUnread(notAsked(e.text));
            quantityMissing_ = true;
            return Step::refusedUnread(kAskForQuantity);
        }
        if (!above) return Step::refused(notAsked(e.text));
        if (!ends) return Step::refusedUnread(notAsked(e.text));
        s.wageCounter += 1.0f;
        s.gross[s.wageCounter] = s.value;
        if (s.wageCounter != s.wages) return Step::more();
        // A whole count: a single stops rising at 2^24, where the counter may stand.
        const auto last = static_cast<long>(s.wages.value());
        for (long i = 1; i <= last; ++i) {
            const Single c = static_cast<float>(i);
            s.net[c] = netAmount(s.gross[c]);
            s.grossSum += s.gross[c];
            s.netSum += s.net[c];
        }
        loopBegins(s);
        s.change.breakDownEach(s.net, [&](std::string cut) { loopPass(std::move(cut), s); });
        return Step::complete();
    }

    std::vector<Result> results() const override {
        std::vector<Result> out{{"txtej6603", s.gross.text(format())},
                                {"txtej6604", text(s.grossSum)},
                                {"txtej6605", text(s.netSum)}};
        for (auto& r : s.change.results(design(), 6, format())) out.push_back(std::move(r));
        return out;
    }

    bool quantityMissing_ = false;  // set by the amount's step when the series has no number of wages
};

const Registered<Frmej66> registered("frmej66");

}  // namespace
}  // namespace ej::vectors
