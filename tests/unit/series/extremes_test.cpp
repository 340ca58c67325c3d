// Exercises 04, 05, 13, 14, 15 and 17: the largest and the smallest with their order
// of entry.
#include <gtest/gtest.h>

#include "tests/unit/series/series_cases.h"

namespace ej::testing {
namespace {

// After the first value the largest is never below the smallest, so no value can beat
// both: the order in which a window examines them shows only in whether the first
// value sets both, which the increasing and decreasing series tell.
const SeriesCase kCases[] = {
    {"frmej04", padded({"-7", "-3", "-5"}, 25, "-4"), {{"txtej0402", "-3"}}, "starts from the first value, not 0"},
    {"frmej04", padded({"2,5", "1.5"}, 25, "1"), {{"txtej0402", "2"}}, "2,5 is read as 2"},
    {"frmej05", padded({"3", "1", "1", "2"}, 8, "2"), {{"txtej0502", "1"}}, ""},
    {"frmej05", padded({"5", "8"}, 8, "6"), {{"txtej0502", "5"}}, "starts from the first value, not 0"},
    {"frmej13", padded({"5", "9", "2", "9"}, 12, "1"), {{"txtej1302", "9"}, {"txtej1303", "2"}},
     "a tie keeps the first"},
    {"frmej13", padded({"-5", "-9"}, 12, "-6"), {{"txtej1302", "-5"}, {"txtej1303", "1"}}, "the first value sets it"},
    {"frmej14", padded({}, 15, "4"), {{"txtej1402", "4"}, {"txtej1403", "1"}}, "all equal: position 1"},
    {"frmej14", padded({"3", "-2", "5", "-2"}, 15, "0"), {{"txtej1402", "-2"}, {"txtej1403", "2"}},
     "a tie keeps the first"},
    {"frmej15", counting(1, 18),
     {{"txtej1502", "18"}, {"txtej1503", "18"}, {"txtej1504", "1"}, {"txtej1505", "1"}}, "increasing"},
    {"frmej15", counting(18, 1),
     {{"txtej1502", "18"}, {"txtej1503", "1"}, {"txtej1504", "1"}, {"txtej1505", "18"}}, "decreasing"},
    {"frmej15", padded({"5", "5", "9", "2", "9", "2"}, 18, "5"),
     {{"txtej1502", "9"}, {"txtej1503", "3"}, {"txtej1504", "2"}, {"txtej1505", "4"}}, "ties keep the first"},
    {"frmej17", counting(1, 19),
     {{"txtej1702", "19"}, {"txtej1703", "190"}, {"txtej1704", "10"}, {"txtej1705", "19"}, {"txtej1706", "19"},
      {"txtej1707", "1"}, {"txtej1708", "1"}},
     "increasing"},
    {"frmej17", counting(19, 1),
     {{"txtej1705", "19"}, {"txtej1706", "1"}, {"txtej1707", "1"}, {"txtej1708", "19"}}, "decreasing"},
    {"frmej17", padded({"4", "7", "-1", "7", "-1"}, 19, "0.5"),
     {{"txtej1703", "23"}, {"txtej1704", "1,210526"}, {"txtej1705", "7"}, {"txtej1706", "2"},
      {"txtej1707", "-1"}, {"txtej1708", "3"}},
     "ties keep the first"},
};

TEST(Extremes, ShowTheExtremeAndWhereItFirstCame) {
    for (const SeriesCase& c : kCases) expectShown(c);
}

TEST(Extremes, ARestartCountsPositionsFromTheFirstValueAfterIt) {
    Opened w("frmej13");
    w.enterAll({"1", "50", "3"}).reactivate();
    w.enterAll(padded({"4", "8"}, 12, "2"));
    EXPECT_EQ(w.text("txtej1302"), "8");
    EXPECT_EQ(w.text("txtej1303"), "2");
}

TEST(Extremes, OnlyTheWindowThatSumsRefusesAnOverflowingSum) {
    Opened sums("frmej17");
    sums.enterAll({"3e38", "3e38"});
    EXPECT_EQ(sums.message(), "El valor 3e38 no es lo pedido");
    sums.enterAll(padded({}, 17, "-1"));
    EXPECT_FALSE(sums.complete()) << "the refused value took no place in the series";
    sums.enter("-1");
    EXPECT_EQ(sums.text("txtej1702"), "19");
    EXPECT_EQ(sums.text("txtej1705"), "3E+38");
    EXPECT_EQ(sums.text("txtej1706"), "1");

    Opened keepsNoSum("frmej15");
    keepsNoSum.enterAll(padded({"3e38", "3e38"}, 18, "-3e38"));
    EXPECT_TRUE(keepsNoSum.complete());
    EXPECT_EQ(keepsNoSum.text("txtej1502"), "3E+38");
}

}  // namespace
}  // namespace ej::testing
