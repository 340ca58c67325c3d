// Exercises 01 to 03 and the entry cycle they share with every window.
#include <gtest/gtest.h>

#include "tests/unit/harness.h"

namespace ej::testing {
namespace {

std::vector<std::string> oneToN(int n) {
    std::vector<std::string> v;
    for (int i = 1; i <= n; ++i) v.push_back(std::to_string(i));
    return v;
}

TEST(EntryCycle, RefusesATextThatIsNotANumberAndKeepsCounting) {
    Opened w("frmej01");
    w.enter("");
    EXPECT_EQ(w.message(), "El valor  no es numérico");
    w.enter("12abc");
    EXPECT_EQ(w.message(), "El valor 12abc no es numérico");
    EXPECT_EQ(w.text("txtej0101"), "");
    EXPECT_EQ(w.view().focused, "txtej0101");
    w.enter("1");
    EXPECT_EQ(w.message(), "") << "a valid entry clears the message line";
    // Refusals took no place in the series: nine more values are needed.
    w.enterAll(times(8, "1"));
    EXPECT_FALSE(w.complete());
    w.enter("1");
    EXPECT_TRUE(w.complete());
    EXPECT_EQ(w.text("txtej0102"), "10");
}

TEST(EntryCycle, CompletionLocksTheInputAndMakesSalirTheDefault) {
    Opened w("frmej01");
    w.enterAll(oneToN(10));
    EXPECT_EQ(w.text("txtej0102"), "55");
    EXPECT_EQ(w.text("txtej0101"), "10") << "the last value stays in the input box";
    EXPECT_FALSE(w.view().enabled("cmdej0101"));
    EXPECT_EQ(w.view().defaultButton, "cmdej0102");
    w.click("cmdej0102");
    EXPECT_TRUE(w.view().closed);
}

TEST(EntryCycle, ActivationRestartsTheSeriesSilently) {
    Opened w("frmej01");
    w.enterAll({"100", "100", "100"}).reactivate();
    w.enterAll(oneToN(10));
    EXPECT_EQ(w.text("txtej0102"), "55");
}

TEST(EntryCycle, AnOverflowingSumIsRefusedAndChangesNothing) {
    Opened w("frmej01");
    w.enterAll({"3e38", "3e38"});
    EXPECT_EQ(w.message(), "El valor 3e38 no es lo pedido");
    EXPECT_EQ(w.text("txtej0101"), "");
    w.enterAll(times(9, "0"));
    EXPECT_EQ(w.text("txtej0102"), "3E+38");
}

TEST(EntryCycle, AValueBeyondTheSingleRangeIsRefused) {
    Opened w("frmej01");
    w.enterAll({"1e39", "-1e39", "1e-50"});
    EXPECT_EQ(w.message(), "") << "a value that rounds to 0 is taken as 0";
    w.enterAll(times(9, "2"));
    EXPECT_EQ(w.text("txtej0102"), "18");
}

TEST(EntryCycle, TheValueReadDecidesWhatIsCounted) {
    Opened comma("frmej01", {",", "."});
    comma.enterAll({"2,5", "2.5", " 7 ", "1e3"}).enterAll(times(6, "0"));
    EXPECT_EQ(comma.text("txtej0102"), "1011,5");
    Opened point("frmej01", {".", ","});
    point.enterAll({"2,5", "2.5"}).enterAll(times(8, "0"));
    EXPECT_EQ(point.text("txtej0102"), "4.5");
}

TEST(Frmej02, ShowsTheAverageToSevenDigits) {
    Opened w("frmej02");
    for (int i = 0; i < 15; ++i) w.enter(i % 2 == 0 ? "1" : "2");
    EXPECT_EQ(w.text("txtej0202"), "1,466667");
}

TEST(Frmej03, WritesCountSumAndAverage) {
    Opened zeros("frmej03");
    zeros.enterAll(times(20, "0"));
    EXPECT_EQ(zeros.text("txtej0302"), "20");
    EXPECT_EQ(zeros.text("txtej0303"), "0");
    EXPECT_EQ(zeros.text("txtej0304"), "0");

    Opened w("frmej03");
    w.enterAll(oneToN(19));
    EXPECT_FALSE(w.complete());
    w.enter("-0.5");
    EXPECT_EQ(w.text("txtej0303"), "189,5");
    EXPECT_EQ(w.text("txtej0304"), "9,475");
}

TEST(Frmej03, TenthsAddUpInSinglePrecision) {
    Opened w("frmej03");
    w.enterAll(times(10, "0.1")).enterAll(times(10, "0"));
    EXPECT_EQ(w.text("txtej0303"), "1");
}

}  // namespace
}  // namespace ej::testing
