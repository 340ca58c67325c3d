// Exercises 51 to 69 in the desk check: what a window lists, a row per pass of a sort
// and per amount broken into notes and coins, the number of wages of exercise 66.
#include <gtest/gtest.h>

#include <tuple>

#include "tests/unit/trace_columns.h"

namespace ej::testing {
namespace {

using Texts = std::vector<std::string>;

TEST(VectorTrace, EachWindowListsItsVariablesInItsExercisesOrder) {
    const Texts stored = Trace::kFixedHeaders + Texts{"valor", "contador", "v"};
    const std::pair<const char*, Texts> table[] = {
        {"frmej64", stored + Texts{"i", "j", "posicionMayor", "mayor", "hayPar", "mayorPar", "hayPositivo",
                                   "menorPositivo", "k"}},
        {"frmej66", Trace::kFixedHeaders + Texts{"valor", "contador", "cantSueldos", "sumaBruta",
                                                 "sumaNeta", "resto", "billetes100", "billetes50",
                                                 "billetes20", "billetes10", "billetes5", "billetes2",
                                                 "monedas1", "vBruto", "vNeto", "k"}},
        {"frmej69", stored + Texts{"hayIntercambio", "i", "aux", "suma", "promedio", "limiteInferior",
                                   "limiteSuperior", "cantBajo", "cantDentro", "cantSobre", "sumaBajo", "sumaDentro",
                                   "sumaSobre", "promedioBajo", "promedioDentro", "promedioSobre", "k"}},
    };
    for (const auto& [window, headers] : table) EXPECT_EQ(Opened(window).window().trace().headers(), headers) << window;
}

TEST(VectorTrace, ASortAddsARowPerPassAfterTheCompletingPress) {
    // The window, its series, its passes, the vector after the first one, and whether a
    // last row shows where the algorithm leaves its variables after the loop (the index
    // that writes the vector).
    const std::tuple<const char*, Texts, std::size_t, Texts, bool> cases[] = {
        {"frmej60", counting(1, 13), 12, counting(13, 13) + counting(2, 12) + counting(1, 1), true},  // one per i
        {"frmej62", counting(1, 33), 33, counting(2, 33) + counting(1, 1), true},  // until one exchanges nothing
    };
    for (const auto& [window, entries, passes, firstPass, closing] : cases) {
        Opened w(window);
        const std::size_t rows = passes + 1 + (closing ? 1 : 0);
        const Texts vectors = column(w.enterAll(entries), "v", rows);
        Texts labels{"serie completa"};
        for (std::size_t k = 1; k <= passes; ++k) labels.push_back("pasada " + std::to_string(k));
        if (closing) labels.push_back("cálculo final");
        EXPECT_EQ(column(w, "Resultado", rows), labels) << window;
        EXPECT_EQ(vectors[0], vectorText(entries)) << window << ": the completing press shows it unsorted";
        EXPECT_EQ(vectors[1], vectorText(firstPass)) << window;
        EXPECT_EQ(vectors.back(), w.text("txtej" + std::string(window).substr(5) + "02")) << window;
    }
}

TEST(VectorTrace, TheBreakdownAddsARowPerAmountWithTheCountsSoFar) {
    Opened w("frmej58");
    w.enterAll({"388", "150", "150"}).enterAll(times(15, "0"));
    Texts labels{"serie completa"};
    for (int k = 1; k <= 18; ++k) labels.push_back("corte del importe " + std::to_string(k));
    labels.push_back("cálculo final");  // the loop's index past its end
    EXPECT_EQ(column(w, "Resultado", 20), labels);
    // As the loop begins, then after each amount: 388, 150, 150, then the zeros.
    EXPECT_EQ(column(w, "billetes100", 20), (Texts{"0", "3", "4"} + times(17, "5")));
    EXPECT_EQ(column(w, "billetes50", 20), (Texts{"0", "1", "2"} + times(17, "3")));
    EXPECT_EQ(column(w, "monedas1", 20), Texts{"0"} + times(19, "1"));
}

// A count of wages sizes the vectors; a row shows only their first hundred elements.
TEST(VectorTrace, TheNumberOfWagesIsAnEventWithTheTextOfItsOwnBox) {
    Opened w("frmej66");
    for (const char* typed : {"2.5", "10000000"}) {
        w.view().setText("txtej6601", typed);
        w.click("cmdej6601");
    }
    w.enter("1000");
    EXPECT_EQ(column(w, "Ingresado"), (Texts{"", "2.5", "10000000", "1000"}));
    EXPECT_EQ(column(w, "Resultado"), (Texts{"reinicio", "El valor 2.5 no es lo pedido", "aceptado", "aceptado"}));
    EXPECT_EQ(column(w, "vBruto", 1), Texts{" 1000" + vectorText(times(99, "0")) + " …"});
}

}  // namespace
}  // namespace ej::testing
