// What each bounded window makes of its series: extremes with their order of entry,
// sign and parity classes, empty classes.
#include <gtest/gtest.h>

#include <utility>

#include "tests/unit/harness.h"

namespace ej::testing {
namespace {

std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct Case {
    std::string window;
    std::vector<std::string> values;  // typed before the end mark
    std::vector<std::pair<std::string, std::string>> shown;  // result box, text
};

void expectShown(const Case& c) {
    Opened w(c.window);
    w.enterAll(c.values).enter("0");
    ASSERT_TRUE(w.complete()) << c.window << ": " << w.message();
    for (const auto& [box, text] : c.shown) EXPECT_EQ(w.text(box), text) << c.window << " " << box;
}

const std::string kNoPositive = "No ingresó N° positivo";
const std::string kNoNegative = "No ingresó N° negativo";
const std::string kNoEven = "No ingresó N° par";
const std::string kNoOdd = "No ingresó N° impar";

TEST(BoundedExtremes, KeepTheFirstOrderOfEntryAmongAllCountedValues) {
    const Case cases[] = {
        // Refused texts and an early end mark take no position.
        {"frmej37", {"5", "abc", "3", "5", "2.5", "3", "0", "9", "1", "9"},
         {{"txtej3702", "1"}, {"txtej3703", "6"}, {"txtej3704", "9"}, {"txtej3705", "5"}}},
        {"frmej37", times(7, "4"), {{"txtej3702", "4"}, {"txtej3703", "1"}, {"txtej3704", "4"}, {"txtej3705", "1"}}},
        {"frmej37", {"-7", "2", "8", "2", "8", "-1", "3"},
         {{"txtej3702", "-7"}, {"txtej3703", "1"}, {"txtej3704", "8"}, {"txtej3705", "3"}}},
        {"frmej37", {"4", "4", "9", "4", "4", "4", "4"},
         {{"txtej3702", "4"}, {"txtej3703", "1"}, {"txtej3704", "9"}, {"txtej3705", "3"}}},
        {"frmej40", {"2", "9", "4", "9", "1", "6", "1", "3", "8", "7"},
         {{"txtej4002", "10"}, {"txtej4003", "50"}, {"txtej4004", "5"}, {"txtej4005", "9"},
          {"txtej4006", "2"}, {"txtej4007", "1"}, {"txtej4008", "5"}}},
        {"frmej40", {"-1", "-2", "-3", "-4", "-5", "-6", "-7", "-8", "-9", "-10", "xyz", "-11"},
         {{"txtej4002", "11"}, {"txtej4003", "-66"}, {"txtej4004", "-6"}, {"txtej4005", "-1"},
          {"txtej4006", "1"}, {"txtej4007", "-11"}, {"txtej4008", "11"}}},
        // Odd values and refused negatives move no order on; odd values are counted.
        {"frmej44", {"3", "8", "-4", "5", "10", "7", "10", "1", "9", "11"}, {{"txtej4402", "10"}, {"txtej4403", "4"}}},
        {"frmej44", times(9, "3"), {{"txtej4402", kNoEven}, {"txtej4403", kNoEven}}},
        {"frmej45", {"7", "4", "9", "2", "9", "1", "2", "3"},
         {{"txtej4502", "2"}, {"txtej4503", "4"}, {"txtej4504", "9"}, {"txtej4505", "3"}}},
        {"frmej45", {"8", "4", "6", "4", "2", "10", "2", "12"},
         {{"txtej4502", "2"}, {"txtej4503", "5"}, {"txtej4504", kNoOdd}, {"txtej4505", kNoOdd}}},
        {"frmej45", {"15", "5", "3", "13", "15", "1", "11", "-4", "1"},
         {{"txtej4502", kNoEven}, {"txtej4503", kNoEven}, {"txtej4504", "15"}, {"txtej4505", "1"}}},
    };
    for (const Case& c : cases) expectShown(c);
}

TEST(BoundedClasses, TallyEachValueInItsSignAndParityClass) {
    const Case cases[] = {
        {"frmej38", times(12, "5"), {{"txtej3802", "5"}, {"txtej3803", kNoNegative}}},
        {"frmej38", std::vector<std::string>{"-1", "-2"} + times(10, "3"), {{"txtej3802", "3"}, {"txtej3803", "-1,5"}}},
        {"frmej38", times(12, "-4"), {{"txtej3802", kNoPositive}, {"txtej3803", "-4"}}},
        {"frmej39", {"1", "2", "3", "4", "5", "6", "7", "8", "9"},
         {{"txtej3902", "45"}, {"txtej3903", "5"}, {"txtej3904", "45"}, {"txtej3905", "5"},
          {"txtej3906", kNoNegative}, {"txtej3907", kNoNegative}}},
        {"frmej39", {"-3", "-6", "1", "2", "3", "4", "5", "6", "7"},
         {{"txtej3902", "19"}, {"txtej3903", "2,111111"}, {"txtej3904", "28"}, {"txtej3905", "4"},
          {"txtej3906", "-9"}, {"txtej3907", "-4,5"}}},
        {"frmej41", times(11, "7"), {{"txtej4102", kNoEven}, {"txtej4103", kNoEven}}},
        {"frmej41", std::vector<std::string>{"2", "0", "4", "-2"} + times(9, "1"),
         {{"txtej4102", "2"}, {"txtej4103", "6"}}},
        {"frmej42", {"1", "2", "3", "4", "5", "6", "7", "8", "9"},
         {{"txtej4202", "4"}, {"txtej4203", "20"}, {"txtej4204", "5"}, {"txtej4205", "25"}}},
        {"frmej42", times(9, "6"),
         {{"txtej4202", "9"}, {"txtej4203", "54"}, {"txtej4204", kNoOdd}, {"txtej4205", kNoOdd}}},
        {"frmej43", {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"},
         {{"txtej4302", "6"}, {"txtej4303", "36"}, {"txtej4304", "6"}}},
        {"frmej43", times(12, "2"), {{"txtej4302", kNoOdd}, {"txtej4303", kNoOdd}, {"txtej4304", kNoOdd}}},
        // -4 is even and not positive; -3 is in neither class and still lengthens the series.
        {"frmej46", {"-4", "-3", "2", "5", "6", "7", "9", "11", "13", "-8"},
         {{"txtej4602", "4"}, {"txtej4603", "-4"}, {"txtej4604", "7"}, {"txtej4605", "53"}}},
        {"frmej46", times(10, "-3"), {{"txtej4602", kNoEven}, {"txtej4603", kNoEven}, {"txtej4604", kNoPositive}}},
        // -4 is even and negative.
        {"frmej47", {"-4", "-3", "2", "5", "6", "7", "9", "11", "13", "-8", "1"},
         {{"txtej4702", "4"}, {"txtej4703", "-4"}, {"txtej4704", "3"}, {"txtej4705", "-15"}}},
        {"frmej47", times(11, "5"), {{"txtej4702", kNoEven}, {"txtej4704", kNoNegative}, {"txtej4705", kNoNegative}}},
        // -7 is odd and negative.
        {"frmej48", {"-7", "2", "4", "-6", "3", "8"},
         {{"txtej4802", "2"}, {"txtej4803", "-4"}, {"txtej4804", "2"}, {"txtej4805", "-13"}}},
        {"frmej48", times(6, "8"), {{"txtej4802", kNoOdd}, {"txtej4803", kNoOdd}, {"txtej4805", kNoNegative}}},
        {"frmej49", std::vector<std::string>{"-3", "5"} + times(9, "2"),
         {{"txtej4902", "2"}, {"txtej4903", "2"}, {"txtej4904", "1"},
          {"txtej4905", "10"}, {"txtej4906", "23"}, {"txtej4907", "2,3"}}},
        {"frmej49", times(11, "-2"),
         {{"txtej4902", kNoOdd}, {"txtej4904", kNoOdd}, {"txtej4905", kNoPositive}, {"txtej4907", kNoPositive}}},
        {"frmej50", std::vector<std::string>{"-7", "-4", "3"} + times(7, "2"),
         {{"txtej5002", "2"}, {"txtej5003", "-4"}, {"txtej5004", "-2"},
          {"txtej5005", "2"}, {"txtej5006", "-11"}, {"txtej5007", "-5,5"}}},
        {"frmej50", times(10, "4"),
         {{"txtej5002", kNoOdd}, {"txtej5003", kNoOdd}, {"txtej5004", kNoOdd},
          {"txtej5005", kNoNegative}, {"txtej5006", kNoNegative}, {"txtej5007", kNoNegative}}},
    };
    for (const Case& c : cases) expectShown(c);
}

TEST(BoundedClasses, AClassSumThatWouldOverflowRefusesThePress) {
    // frmej44 keeps no sum, so the largest singles pass; frmej41 sums its evens and refuses.
    Opened noSum("frmej44");
    noSum.enterAll(times(9, "3e38")).enter("0");
    EXPECT_EQ(noSum.text("txtej4402"), "3E+38");
    Opened sum("frmej41");
    sum.enterAll({"3e38", "3e38"});
    EXPECT_EQ(sum.message(), "El valor 3e38 no es lo pedido");
    sum.enterAll(times(10, "1")).enter("0");
    EXPECT_EQ(sum.text("txtej4102"), "1");
    EXPECT_EQ(sum.text("txtej4103"), "3E+38");
}

}  // namespace
}  // namespace ej::testing
