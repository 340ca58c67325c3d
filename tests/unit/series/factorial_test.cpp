// Exercises 18 and 1801: the factorial of a whole number from 6 to 14, built upward
// and downward.
#include <gtest/gtest.h>

#include "tests/unit/harness.h"

namespace ej::testing {
namespace {

// Both windows number their controls 18, frmej1801 too.
void enter(Opened& w, const std::string& text) {
    w.view().setText("txtej1801", text);
    w.click("cmdej1801");
}

bool complete(Opened& w) { return !w.view().enabled("txtej1801"); }

const char* const kWindows[] = {"frmej18", "frmej1801"};

TEST(Factorial, ShowsSevenSignificantDigitsInBothDirections) {
    const std::pair<const char*, const char*> shown[] = {
        {"6", "720"},          {"7", "5040"},          {"8", "40320"},         {"9", "362880"},
        {"10", "3628800"},     {"11", "3,99168E+07"},  {"12", "4,790016E+08"}, {"13", "6,227021E+09"},
        {"14", "8,717829E+10"}, {"7,5", "5040"},
    };
    for (const char* window : kWindows)
        for (const auto& [n, text] : shown) {
            Opened w(window);
            enter(w, n);
            ASSERT_TRUE(complete(w)) << window << " " << n;
            EXPECT_EQ(w.text("txtej1802"), text) << window << " " << n;
            EXPECT_EQ(w.view().defaultButton, "cmdej1802") << window;
            EXPECT_FALSE(w.view().enabled("cmdej1801")) << window;
        }
}

TEST(Factorial, AdmitsOnlyWholeNumbersFromSixToFourteen) {
    for (const char* window : kWindows) {
        Opened w(window);
        for (const char* refused : {"5", "15", "7.5", "-6", "1e9", "5.99999"}) {
            enter(w, refused);
            EXPECT_EQ(w.text("lblej1804"), std::string("El valor ") + refused + " no es lo pedido") << window;
            EXPECT_EQ(w.text("txtej1801"), "") << window;
            EXPECT_FALSE(complete(w)) << window;
        }
        enter(w, "");
        EXPECT_EQ(w.text("lblej1804"), "El valor  no es numérico") << window;
        w.reactivate();
        enter(w, " 6 ");
        EXPECT_EQ(w.text("lblej1804"), "") << window;
        EXPECT_EQ(w.text("txtej1802"), "720") << window;
    }
}

TEST(Factorial, TheTwoWindowsDifferInSizeBoxEdgeAndTabOrder) {
    struct Row {
        const char* window;
        int width, height, boxLeft;
        std::vector<std::string> tabOrder;
    };
    const Row rows[] = {
        {"frmej18", 5175, 3600, 2400, {"txtej1801", "txtej1802", "cmdej1801", "cmdej1802"}},
        {"frmej1801", 5370, 3570, 2280, {"txtej1801", "txtej1802", "cmdej1802", "cmdej1801"}},
    };
    for (const Row& r : rows) {
        Opened w(r.window);
        const WindowDesign& d = w.window().design();
        EXPECT_EQ(d.width, r.width) << r.window;
        EXPECT_EQ(d.height, r.height) << r.window;
        EXPECT_EQ(d.find("txtej1801")->at.left, r.boxLeft) << r.window;
        EXPECT_EQ(d.find("txtej1802")->at.left, r.boxLeft) << r.window;
        std::vector<std::string> order;
        for (const ControlDesign* c : d.tabOrder()) order.push_back(c->name);
        EXPECT_EQ(order, r.tabOrder) << r.window;
        EXPECT_EQ(d.defaultButton, "cmdej1801") << r.window;
    }
}

}  // namespace
}  // namespace ej::testing
