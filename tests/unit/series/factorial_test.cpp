// Exercises 18 and 1801: the factorial from 6 to 14, built upward and downward, in
// seven significant digits.
#include <gtest/gtest.h>

#include "tests/unit/harness.h"

namespace ej::testing {
namespace {

TEST(Factorial, ShowsSevenSignificantDigitsInBothDirections) {
    const std::pair<const char*, const char*> shown[] = {
        {"6", "720"},          {"7", "5040"},          {"8", "40320"},         {"9", "362880"},
        {"10", "3628800"},     {"11", "3,99168E+07"},  {"12", "4,790016E+08"}, {"13", "6,227021E+09"},
        {"14", "8,717829E+10"}, {"7,0", "5040"},        {" 6 ", "720"},
    };
    for (const char* window : {"frmej18", "frmej1801"})
        for (const auto& [n, text] : shown) {
            Opened w(window);
            w.enter(n);
            ASSERT_TRUE(w.complete()) << window << " " << n;
            EXPECT_EQ(w.text("txtej1802"), text) << window << " " << n;
        }
}

}  // namespace
}  // namespace ej::testing
