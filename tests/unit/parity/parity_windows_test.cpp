// Exercises 19 to 35: where 0 goes, large values, the value read; each window's own
// series are in its scenario.
#include <gtest/gtest.h>

#include "tests/unit/harness.h"

namespace ej::testing {
namespace {

// The result boxes' texts, txtejNN02 onward.
std::vector<std::string> results(const Opened& w, const std::string& window, std::size_t boxes) {
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < boxes; ++i)
        texts.push_back(w.text("txtej" + window.substr(5) + "0" + std::to_string(i + 2)));
    return texts;
}

const std::string kPar = "No ingresó N° par";
const std::string kImpar = "No ingresó N° impar";
const std::string kPositivo = "No ingresó N° positivo";
const std::string kNegativo = "No ingresó N° negativo";

TEST(ParityWindows, ZeroJoinsTheClassesItsWindowSays) {
    struct Row {
        const char* window;
        int count;
        const char* neither;  // a value that joins neither class
        std::vector<std::string> afterZero;
        std::string parityEmpty, signEmpty;
    };
    const Row rows[] = {
        {"frmej28", 13, "-1", {"1", "0", kPositivo, kPositivo}, kPar, kPositivo},
        {"frmej29", 16, "-2", {kImpar, kImpar, "1", "0"}, kImpar, kPositivo},
        {"frmej30", 13, "1", {"1", "0", "1", "0"}, kPar, kNegativo},
        {"frmej31", 16, "2", {kImpar, kImpar, "1", "0"}, kImpar, kNegativo},
        {"frmej32", 17, "-1", {"1", "0", "0", "1", "0", "0"}, kPar, kPositivo},
        {"frmej33", 12, "-2", {kImpar, kImpar, kImpar, "1", "0", "0"}, kImpar, kPositivo},
        {"frmej34", 16, "1", {"1", "0", "0", "1", "0", "0"}, kPar, kNegativo},
        {"frmej35", 13, "2", {kImpar, kImpar, kImpar, "1", "0", "0"}, kImpar, kNegativo},
    };
    for (const Row& row : rows) {
        const std::size_t boxes = row.afterZero.size();
        Opened zero(row.window);
        zero.enter("0").enterAll(times(row.count - 1, row.neither));
        EXPECT_EQ(results(zero, row.window, boxes), row.afterZero) << row.window;

        Opened none(row.window);
        none.enterAll(times(row.count, row.neither));
        EXPECT_EQ(results(none, row.window, boxes),
                  times(boxes / 2, row.parityEmpty) + times(boxes / 2, row.signEmpty))
            << row.window;
    }
}

TEST(ParityWindows, TheValueReadIsJudgedNotTheText) {
    Opened comma("frmej21", {",", "."});
    comma.enterAll({"2,0", "2,5"});
    EXPECT_EQ(comma.message(), "El valor 2,5 no es lo pedido");
    comma.enterAll(times(11, "1"));
    EXPECT_EQ(results(comma, "frmej21", 4), (std::vector<std::string>{"1", "2", "11", "11"}));
}

TEST(ParityWindows, LargeValuesAreClassedWithoutHanging) {
    // 16777215 is the largest odd single; from 2^24 up every single is even.
    Opened w("frmej21");
    w.enterAll({"16777215", "33554438", "3e38", "-1e30"});
    EXPECT_EQ(w.message(), "El valor -1e30 no es lo pedido");
    w.enterAll(times(9, "0"));
    EXPECT_EQ(results(w, "frmej21", 4), (std::vector<std::string>{"11", "3E+38", "1", "1,677722E+07"}));

    Opened signs("frmej35");
    signs.enterAll({"-16777215", "-33554438"}).enterAll(times(11, "2"));
    EXPECT_EQ(results(signs, "frmej35", 6),
              (std::vector<std::string>{"1", "-1,677722E+07", "-1,677722E+07",  // odd
                                        "2", "-5,033166E+07", "-2,516583E+07"}));  // negative
}

TEST(ParityDesigns, CaptionsKeepTheirOddities) {
    EXPECT_EQ(Opened("frmej20").text("lblej2004"), "La Suma de los Nº Impares");  // U+00BA
    EXPECT_EQ(Opened("frmej19").text("lblej1904"), "La Suma de los N° Pares");    // U+00B0
    EXPECT_EQ(Opened("frmej35").text("lblej303"), "Cantidad Impar");
    EXPECT_EQ(Opened("frmej35").window().design().find("lblej3503"), nullptr);
    // Only the two negative averages' captions are left-aligned.
    std::vector<std::string> left;
    for (const char* window : {"frmej19", "frmej27", "frmej33", "frmej34", "frmej35"}) {
        const Opened w(window);
        for (const auto& c : w.window().design().controls)
            if (c.align == Align::Left) left.push_back(c.name);
    }
    EXPECT_EQ(left, (std::vector<std::string>{"lblej3408", "lblej3508"}));
}

TEST(ParityWindows, TheDeskCheckShowsValueCounterThenTheClasses) {
    const TraceCase cases[] = {
        // A refused value is read, but never reaches the reduction: what the 3 left stays.
        {"frmej19", {"3", "-4"}, {"valor=-4", "contador=1", "resto=1", "potencia=2", "cantPares=0", "sumaPares=0"}},
        // 16777218 is reduced by powers of 2 to its exact remainder.
        {"frmej19", {"16777218"}, {"valor=1,677722E+07", "contador=1", "resto=0", "potencia=2", "cantPares=1",
                                   "sumaPares=1,677722E+07"}},
        // The averages wait for the end of the series.
        {"frmej24",
         {"4", "7", "2"},
         {"valor=2", "contador=3", "cantPares=2", "sumaPares=6", "promedioPares=0", "cantImpares=1",
          "sumaImpares=7", "promedioImpares=0"}},
        // Each class: whether it has a value yet, then its extreme with its order of entry.
        {"frmej27",
         {"4", "9", "2"},
         {"valor=2", "contador=3", "hayPar=VERDADERO", "menorPar=2", "ordenMenorPar=3", "hayImpar=VERDADERO",
          "mayorImpar=9", "ordenMayorImpar=2"}},
        {"frmej31", {"-3", "0"}, {"valor=0", "contador=2", "cantImpares=1", "sumaImpares=-3", "cantNegativos=2",
                                  "sumaNegativos=-3"}},
    };
    for (const TraceCase& c : cases) EXPECT_EQ(traceCellsAfter(c), c.cells) << c.window;
    Opened reset("frmej20");
    reset.enter("3").reactivate();
    EXPECT_EQ(traceCells(reset), std::vector<std::string>({"valor=0", "contador=0", "cantImpares=0", "sumaImpares=0"}));
}

}  // namespace
}  // namespace ej::testing
