// The desk check of the fixed-count windows: a row per press and per reset, and the
// variables each window's data lists, in that order.
#include <gtest/gtest.h>

#include <sstream>

#include "tests/unit/harness.h"

namespace ej::testing {
namespace {

// Line n of the table as "Copiar" writes it; line 0 is the header.
std::string line(const Opened& w, int n) {
    std::istringstream table(w.window().trace().tabSeparated());
    std::string text;
    for (int i = 0; i <= n; ++i) std::getline(table, text);
    return text;
}

TEST(SeriesTrace, EveryPressAndResetAddsItsRow) {
    Opened w("frmej01");
    w.enter(" 5x").enter("5").reactivate().enter("3E+38").enter("3E+38").enterAll(times(8, "1")).enter("2");
    const auto& rows = w.window().trace().rows();
    ASSERT_EQ(rows.size(), 15u);
    EXPECT_EQ(line(w, 1), "1\t\treinicio\t1\t0\t0");
    EXPECT_EQ(line(w, 2), "2\t 5x\tEl valor  5x no es numérico\t1\t0\t0");
    EXPECT_EQ(line(w, 3), "3\t5\taceptado\t2\t5\t5");
    EXPECT_EQ(line(w, 4), "4\t\treinicio: se descartó 1 valor\t1\t0\t0");
    // The second 3E+38 would overflow the sum: refused, and the state stays as it was.
    EXPECT_EQ(line(w, 6), "6\t3E+38\tEl valor 3E+38 no es lo pedido\t2\t3E+38\t3E+38");
    EXPECT_EQ(rows[5].changed, std::vector<bool>(3, false));
    // 1 is lost in a sum of 3E+38: only the index and the value are marked.
    EXPECT_EQ(line(w, 7), "7\t1\taceptado\t3\t1\t3E+38");
    EXPECT_EQ(rows[6].changed, std::vector<bool>({true, true, false}));
    EXPECT_EQ(line(w, 15), "15\t2\tserie completa\t11\t2\t3E+38");
}

TEST(SeriesTrace, EachWindowShowsTheVariablesOfItsData) {
    // The reading loop's index shows which value the algorithm reads next; averages
    // are worked out once the series is complete.
    const TraceCase cases[] = {
        {"frmej01", {"4", "-1"}, {"i=3", "valor=-1", "suma=3"}},
        {"frmej02", {"4", "-1"}, {"i=3", "valor=-1", "suma=3", "promedio=0"}},
        {"frmej04", {"4", "9"}, {"i=3", "valor=9", "mayor=9"}},
        {"frmej13", {"4", "9", "9"}, {"i=4", "valor=9", "mayor=9", "ordenMayor=2"}},
        {"frmej08",
         {"4", "-2", "-1"},
         {"i=4", "valor=-1", "hayPositivos=VERDADERO", "sumaPositivos=4", "hayNegativos=VERDADERO",
          "mayorNegativo=-1"}},
        {"frmej16",
         {"4", "0", "-3"},
         {"i=4", "valor=-3", "cantPositivos=2", "sumaPositivos=4", "promedioPositivos=0", "cantNegativos=1",
          "sumaNegativos=-3", "promedioNegativos=0", "suma=1", "promedio=0"}},
        {"frmej16",
         times(15, "1") + std::vector<std::string>{"4", "0", "-3"},
         {"i=19", "valor=-3", "cantPositivos=17", "sumaPositivos=19", "promedioPositivos=1,117647", "cantNegativos=1",
          "sumaNegativos=-3", "promedioNegativos=-3", "suma=16", "promedio=0,8888889"}},
        {"frmej18", {}, {"n=0", "multiplicador=0", "producto=0"}},
        {"frmej1801", {"5", "7"}, {"n=7", "multiplicador=1", "producto=5040"}},
    };
    for (const TraceCase& c : cases) EXPECT_EQ(traceCellsAfter(c), c.cells) << c.window;
}

}  // namespace
}  // namespace ej::testing
