// Exercises 06 to 12 and 16: values split by sign, with each window's own place for 0,
// its empty-class texts and its wording of a refusal.
#include <gtest/gtest.h>

#include "tests/unit/series/series_cases.h"

namespace ej::testing {
namespace {

constexpr char kNoPositive[] = "No ingresó N° positivo";
constexpr char kNoNegative[] = "No ingresó N° negativo";
constexpr char kNoPositives[] = "No ingresó N° positivos";
constexpr char kNoNegatives[] = "No ingresó N° negativos";

const SeriesCase kCases[] = {
    {"frmej06", padded({}, 15, "0"), {{"txtej0602", "15"}, {"txtej0603", kNoNegative}}, "0 is positive"},
    {"frmej06", padded({}, 15, "-0.5"), {{"txtej0602", kNoPositive}, {"txtej0603", "15"}}, ""},
    {"frmej07", padded({"-4"}, 17, "0"), {{"txtej0702", kNoPositives}}, "0 is not positive"},
    {"frmej07", padded({"0", "9", "3", "3", "-1"}, 17, "4"), {{"txtej0702", "3"}}, "from the first positive"},
    {"frmej08", padded({"-5", "-2", "-9", "1.5", "2"}, 12, "0"), {{"txtej0802", "-2"}, {"txtej0803", "3,5"}}, ""},
    {"frmej08", padded({"-7"}, 12, "-3"), {{"txtej0802", "-3"}, {"txtej0803", kNoPositives}}, ""},
    {"frmej08", padded({}, 12, "0"), {{"txtej0802", kNoNegatives}, {"txtej0803", "0"}}, "0 is positive"},
    {"frmej09", padded({"4", "0", "7", "-3", "-8"}, 20, "5"), {{"txtej0902", "0"}, {"txtej0903", "-3"}},
     "0 is positive"},
    {"frmej09", padded({"-5", "-1", "-9"}, 20, "-6"), {{"txtej0902", kNoPositives}, {"txtej0903", "-1"}}, ""},
    {"frmej09", padded({"6"}, 20, "8"), {{"txtej0902", "6"}, {"txtej0903", kNoNegative}}, ""},
    {"frmej10", padded({"0", "0"}, 17, "2"),
     {{"txtej1002", "15"}, {"txtej1004", "30"}, {"txtej1006", "2"}, {"txtej1003", "2"}, {"txtej1005", "0"},
      {"txtej1007", "0"}},
     "0 is negative"},
    {"frmej10", padded({"-1"}, 17, "-2"),
     {{"txtej1002", kNoPositive}, {"txtej1004", kNoPositive}, {"txtej1006", kNoPositive}, {"txtej1003", "17"},
      {"txtej1005", "-33"}, {"txtej1007", "-1,941176"}},
     ""},
    {"frmej10", padded({}, 17, "1"),
     {{"txtej1003", kNoNegative}, {"txtej1005", kNoNegative}, {"txtej1007", kNoNegative}}, ""},
    {"frmej11", padded({"-3", "-10", "-4"}, 11, "-5"), {{"txtej1102", kNoPositive}, {"txtej1103", "-10"}}, ""},
    {"frmej11", padded({"0", "3", "8", "8"}, 11, "-1"), {{"txtej1102", "8"}, {"txtej1103", "-1"}}, ""},
    {"frmej11", padded({}, 11, "0"), {{"txtej1102", "0"}, {"txtej1103", kNoNegative}}, "0 is positive"},
    {"frmej12", counting(1, 18), {{"txtej1202", "9,5"}, {"txtej1203", "9,5"}, {"txtej1204", kNoNegative}}, ""},
    {"frmej12", padded({"0"}, 18, "-2"), {{"txtej1202", "-1,888889"}, {"txtej1203", "0"}, {"txtej1204", "-2"}},
     "0 is positive"},
    {"frmej12", padded({}, 18, "-1"), {{"txtej1203", kNoPositive}, {"txtej1204", "-1"}}, ""},
    {"frmej16", padded({}, 18, "-1"),
     {{"txtej1602", "-18"}, {"txtej1603", "-1"}, {"txtej1604", kNoPositive}, {"txtej1605", kNoPositive},
      {"txtej1606", "-18"}, {"txtej1607", "-1"}},
     ""},
    {"frmej16", padded({"0", "4"}, 18, "-1"),
     {{"txtej1602", "-12"}, {"txtej1603", "-0,6666667"}, {"txtej1604", "4"}, {"txtej1605", "2"},
      {"txtej1606", "-16"}, {"txtej1607", "-1"}},
     "0 is positive"},
    {"frmej16", padded({}, 18, "3"), {{"txtej1606", kNoNegative}, {"txtej1607", kNoNegative}}, ""},
};

TEST(SignClasses, PutZeroInTheWindowsClassAndReportEmptyClasses) {
    for (const SeriesCase& c : kCases) expectShown(c);
}

// Each window's prefix, on both of its refusals: a text that is not a number, and a
// press whose sum would leave the single range.
TEST(SignClasses, WordTheirRefusalsWithTheirOwnPrefix) {
    struct Row {
        const char* window;
        const char* messageLabel;
        const char* overflowing;  // nullptr: the window keeps no sum
        const char* prefix;
    };
    const Row rows[] = {
        {"frmej06", "lblej0605", nullptr, "El valor "},      {"frmej07", "lblej0704", nullptr, "el valor "},
        {"frmej08", "lblej0805", "3e38", " El valor "},      {"frmej09", "lblej0905", nullptr, "El valor "},
        {"frmej10", "lblej1003", "-3e38", "El valor "},      {"frmej11", "lblej1105", nullptr, "El valor "},
        {"frmej12", "lblej1206", "3e38", "El valor "},       {"frmej16", "lblej1606", "-3e38", "El valor "},
    };
    for (const Row& r : rows) {
        Opened w(r.window);
        w.enter("");
        EXPECT_EQ(w.text(r.messageLabel), std::string(r.prefix) + " no es numérico") << r.window;
        w.enter("x1");
        EXPECT_EQ(w.text(r.messageLabel), std::string(r.prefix) + "x1 no es numérico") << r.window;
        const std::string big = r.overflowing ? r.overflowing : "3e38";
        w.enterAll({big, big});
        EXPECT_EQ(w.text(r.messageLabel), r.overflowing ? std::string(r.prefix) + big + " no es lo pedido" : "")
            << r.window;
    }
}

TEST(SignClasses, ARefusedOverflowLeavesEveryTallyAsItWas) {
    Opened w("frmej16");
    w.enterAll({"3e38", "3e38"}).enterAll(padded({}, 16, "0"));
    EXPECT_FALSE(w.complete());
    w.enter("0");
    EXPECT_EQ(w.text("txtej1602"), "3E+38");
    EXPECT_EQ(w.text("txtej1603"), "1,666667E+37");
    EXPECT_EQ(w.text("txtej1604"), "3E+38");
    EXPECT_EQ(w.text("txtej1605"), "1,666667E+37");
}

TEST(SignClasses, ARestartEmptiesTheClasses) {
    Opened w("frmej06");
    w.enterAll({"-1", "-2"}).reactivate();
    w.enterAll(padded({}, 15, "3"));
    EXPECT_EQ(w.text("txtej0602"), "15");
    EXPECT_EQ(w.text("txtej0603"), kNoNegative);
}

}  // namespace
}  // namespace ej::testing
