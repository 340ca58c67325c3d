// Exercises 67 to 69: classes below, within and above limits around the average.
#include <gtest/gtest.h>

#include "tests/unit/harness.h"
#include "tests/unit/vectors/vector_test_support.h"

namespace ej::testing {
namespace {

const char* kBelow = "No hay N° debajo del LIN";
const char* kWithin = "No hay N° debajo del LME";
const char* kAbove = "No hay N° debajo del LSU";

// frmej67: count and sum of each class, in txtej6703 to txtej6708.
TEST(Frmej67, CountsAndSumsEachClass) {
    struct Case {
        std::vector<std::string> values;
        std::vector<std::string> expected;  // below count, sum, within count, sum, above count, sum
    };
    const std::vector<Case> cases{
        {counting(1, 26), {"6", "21", "14", "189", "6", "141"}},
        // Average 4, limits 2 and 6: a value equal to a limit is above it.
        {std::vector<std::string>{"2", "6"} + times(24, "4"), {kBelow, kBelow, "25", "98", "1", "6"}},
        {times(26, "5"), {kBelow, kBelow, "26", "130", kAbove, kAbove}},
        // Average and both limits 0: every value is above.
        {times(26, "0"), {kBelow, kBelow, kWithin, kWithin, "26", "0"}},
        // Average -4 puts the lower limit (-2) above the upper one (-6): nothing is within.
        {times(13, "-10") + times(13, "2"), {"13", "-130", kWithin, kWithin, "13", "26"}},
    };
    for (const Case& c : cases) {
        Opened w("frmej67");
        w.enterAll(c.values);
        for (int i = 0; i < 6; ++i) EXPECT_EQ(w.text("txtej670" + std::to_string(i + 3)), c.expected[i]) << i;
    }
}

TEST(Frmej67, ShowsTheVectorSortedDescending) {
    Opened w("frmej67");
    w.enterAll(counting(1, 26));
    EXPECT_EQ(w.text("txtej6702"), vectorText(counting(26, 1)));
    EXPECT_EQ(w.view().defaultButton, "cmdej6702");
}

TEST(Frmej67, ASumThatOverflowsRefusesTheLastValueAndKeepsTheVector) {
    Opened w("frmej67");
    w.enter("3e38").enterAll(times(24, "0")).enter("3e38");
    EXPECT_EQ(w.message(), "El valor 3e38 no es lo pedido");
    EXPECT_FALSE(w.complete());
    w.enter("-3e38");
    EXPECT_EQ(w.text("txtej6702"), " 3E+38" + vectorText(times(24, "0")) + " -3E+38");
    EXPECT_EQ(w.text("txtej6703"), "1");
    EXPECT_EQ(w.text("txtej6707"), "25");
}

// frmej68 and frmej69: the average of each class, in txtejNN03 to txtejNN05.
TEST(AveragesAroundLimits, AverageEachClass) {
    struct Case {
        const char* window;
        std::vector<std::string> values;
        std::vector<std::string> expected;  // below, within, above
    };
    const std::vector<Case> cases{
        // Average 18; limits 10,8 and 25,2 (68), 7,2 and 28,8 (69).
        {"frmej68", counting(1, 35), {"5,5", "18", "30,5"}},
        {"frmej69", counting(1, 35), {"4", "18", "32"}},
        // Average 10, limits 6 and 14: 6 is within, 14 above.
        {"frmej68", std::vector<std::string>{"14", "6"} + times(33, "10"), {kBelow, "9,882353", "14"}},
        {"frmej69", times(35, "7"), {kBelow, "7", kAbove}},
        {"frmej68", times(35, "0"), {kBelow, kWithin, "0"}},
        {"frmej69", times(17, "-5") + times(18, "1"), {"-5", kWithin, "1"}},
    };
    for (const Case& c : cases) {
        Opened w(c.window);
        w.enterAll(c.values);
        const std::string nn = std::string(c.window).substr(5);
        for (int i = 0; i < 3; ++i) EXPECT_EQ(w.text("txtej" + nn + "0" + std::to_string(i + 3)), c.expected[i]) << c.window;
    }
}

TEST(AveragesAroundLimits, AResetInTheMiddleClassesOnlyTheNewSeries) {
    Opened w("frmej69");
    w.enterAll(times(20, "1000")).reactivate();
    w.enterAll(counting(1, 35));
    EXPECT_EQ(w.text("txtej6902"), vectorText(counting(35, 1)));
    EXPECT_EQ(w.text("txtej6904"), "18");
}

}  // namespace
}  // namespace ej::testing
