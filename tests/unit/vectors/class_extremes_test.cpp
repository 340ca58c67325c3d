// Exercises 63 to 65: extremes of a parity class and of a sign class in a sorted vector.
#include <gtest/gtest.h>

#include "tests/unit/harness.h"
#include "tests/unit/vectors/vector_test_support.h"

namespace ej::testing {
namespace {

struct Case {
    const char* window;
    std::vector<std::string> values;
    const char* first;
    const char* second;
};

TEST(ClassExtremes, ScanTheSortedVectorForEachClass) {
    const std::vector<Case> cases{
        {"frmej63", times(24, "3"), "No ingresó N° par", "3"},
        {"frmej63", times(24, "-3"), "No ingresó N° par", "No ingresó N° positivo"},
        {"frmej63", std::vector<std::string>{"0"} + times(23, "-5"), "0", "0"},
        {"frmej63", std::vector<std::string>{"-8", "-2", "-6"} + times(21, "-1"), "-2", "No ingresó N° positivo"},
        {"frmej63", counting(-11, 12), "12", "0"},
        {"frmej64", counting(-11, 12), "12", "0"},
        {"frmej64", std::vector<std::string>{"7", "4", "9"} + times(21, "-4"), "4", "4"},
        {"frmej65", std::vector<std::string>{"-7", "-3"} + times(22, "6"), "-7", "-3"},
        {"frmej65", times(24, "0"), "No ingresó N° impar", "No ingresó N° negativo"},
        {"frmej65", counting(-11, 12), "-11", "-1"},
    };
    for (const Case& c : cases) {
        Opened w(c.window);
        w.enterAll(c.values);
        const std::string nn = std::string(c.window).substr(5);
        EXPECT_EQ(w.text("txtej" + nn + "03"), c.first) << c.window << " " << c.values.front();
        EXPECT_EQ(w.text("txtej" + nn + "04"), c.second) << c.window << " " << c.values.front();
    }
}

TEST(ClassExtremes, OnlyWholeNumbersAreStored) {
    Opened w("frmej65");
    w.enter("2.5");
    EXPECT_EQ(w.message(), "El valor 2.5 no es lo pedido");
    w.enter("x");
    EXPECT_EQ(w.message(), "El valor x no es numérico");
    w.enterAll(counting(1, 24));
    EXPECT_EQ(w.text("txtej6502"), vectorText(counting(24, 1)));
}

TEST(ClassExtremes, SortAscendingOrDescending) {
    Opened up("frmej63"), down("frmej64");
    up.enterAll(counting(12, -11));
    down.enterAll(counting(-11, 12));
    EXPECT_EQ(up.text("txtej6302"), vectorText(counting(-11, 12)));
    EXPECT_EQ(down.text("txtej6402"), vectorText(counting(12, -11)));
}

TEST(ClassExtremes, HugeValuesAreEven) {
    Opened w("frmej63");
    w.enterAll({"1e30", "-3e38"}).enterAll(times(22, "1"));
    EXPECT_EQ(w.text("txtej6303"), "1E+30");
}

}  // namespace
}  // namespace ej::testing
