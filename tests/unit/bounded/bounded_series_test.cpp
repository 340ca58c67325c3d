// The bounded series every window from 36 to 50 reads: the end mark and the two bounds.
#include <gtest/gtest.h>

#include "tests/unit/harness.h"

namespace ej::testing {
namespace {

const std::string kBelowMinimum = "Debe completar la cantidad mínima";
const std::string kAtMaximum = "Ya completó el máximo de la serie. Ingrese 0";

struct Window {
    std::string name;
    int lower;  // the end mark closes the series only after more values than this
    int full;   // no value is taken beyond this many

    std::string input() const { return "txtej" + name.substr(5) + "01"; }
};

const Window kWindows[] = {
    {"frmej36", 15, 24}, {"frmej37", 6, 13},  {"frmej38", 11, 17}, {"frmej39", 8, 14}, {"frmej40", 9, 14},
    {"frmej41", 10, 15}, {"frmej42", 8, 15},  {"frmej43", 11, 17}, {"frmej44", 8, 16}, {"frmej45", 7, 12},
    {"frmej46", 9, 15},  {"frmej47", 10, 14}, {"frmej48", 5, 14},  {"frmej49", 10, 17}, {"frmej50", 9, 15},
};

TEST(BoundedSeries, ShortRefusesTheEndMarkUpToTheLowerBound) {
    for (const Window& b : kWindows) {
        Opened w(b.name);
        w.enter("0");
        EXPECT_EQ(w.message(), kBelowMinimum) << b.name << " with no value";
        w.enterAll(times(b.lower, "2")).enter("0");
        EXPECT_EQ(w.message(), kBelowMinimum) << b.name << " at the lower bound";
        EXPECT_EQ(w.text(b.input()), "") << b.name;
        EXPECT_FALSE(w.complete()) << b.name;
        w.enter("2").enter("0");
        EXPECT_TRUE(w.complete()) << b.name << " one past the lower bound";
        EXPECT_EQ(w.message(), "") << b.name;
    }
}

TEST(BoundedSeries, FullRefusesAnyValueButTheEndMark) {
    for (const Window& b : kWindows) {
        Opened w(b.name);
        w.enterAll(times(b.full - 1, "3")).enter("3");
        EXPECT_EQ(w.message(), "") << b.name << " the full count is taken";
        w.enter("3");
        EXPECT_EQ(w.message(), kAtMaximum) << b.name;
        w.enter("5");
        EXPECT_EQ(w.message(), kAtMaximum) << b.name << " stays full";
        EXPECT_FALSE(w.complete()) << b.name;
        w.enter("0");
        EXPECT_TRUE(w.complete()) << b.name;
        EXPECT_EQ(w.text(b.input()), "0") << "the end mark stays in the input box";
    }
}

TEST(BoundedSeries, RefusalsTakeNoPlaceAndAnyZeroEnds) {
    for (const Window& b : kWindows) {
        Opened w(b.name);
        w.enterAll({"abc", "2.5"}).enterAll(times(b.lower - 1, "4")).enter("0");
        EXPECT_EQ(w.message(), kBelowMinimum) << b.name;
        // -0 is the end mark everywhere, and 3.0 and 1e3 are whole.
        w.enterAll({"3.0", "1e3"}).enter("-0");
        EXPECT_TRUE(w.complete()) << b.name;
    }
}

TEST(BoundedSeries, AnOverflowingSumIsRefusedAndChangesNothing) {
    Opened w("frmej36");
    w.enterAll({"3e38", "3e38"});
    EXPECT_EQ(w.message(), "El valor 3e38 no es lo pedido");
    w.enter("1e39");
    EXPECT_EQ(w.message(), "El valor 1e39 no es lo pedido");
    w.enterAll(times(15, "0.0")).enter("0");
    EXPECT_EQ(w.message(), kBelowMinimum) << "0.0 is the end mark, not a value";
    w.enterAll(times(15, "-1")).enter("0");
    EXPECT_EQ(w.text("txtej3602"), "16");
    EXPECT_EQ(w.text("txtej3603"), "3E+38");
}

TEST(BoundedSeries, AValueIsJudgedAsASingle) {
    // 16777217 is stored as the even 16777216, 20000000.5 as the whole 20000000, and 2,0
    // under a decimal comma as the whole 2.
    Opened w("frmej42", {",", "."});
    w.enterAll({"16777217", "20000000.5", "2,0"});
    EXPECT_EQ(w.message(), "");
    w.enterAll(times(6, "1")).enter("0");
    EXPECT_EQ(w.text("txtej4202"), "3");
    EXPECT_EQ(w.text("txtej4203"), "3,677722E+07");
    EXPECT_EQ(w.text("txtej4204"), "6");
}

}  // namespace
}  // namespace ej::testing
