// The sorting procedures, and exercises 59 to 62 that show a sorted vector.
#include <gtest/gtest.h>

#include <cmath>

#include "exercises/vectors/sorting.h"
#include "tests/unit/harness.h"
#include "tests/unit/vectors/vector_test_support.h"

namespace ej::testing {
namespace {

using vectors::Method;
using vectors::Order;
using vectors::Vector;

Vector vectorOf(const std::vector<float>& values) {
    Vector v(static_cast<float>(values.size()));
    for (std::size_t k = 1; k <= values.size(); ++k) v[static_cast<float>(k)] = values[k - 1];
    return v;
}

// Elements 1 to N, with -0 told apart from 0 so that equal values can be followed.
std::vector<std::string> elements(const Vector& v) {
    std::vector<std::string> out;
    for (Single k = 1.0f; k <= v.last(); k += 1.0f) {
        const float e = v[k].value();
        out.push_back(e == 0.0f && std::signbit(e) ? "-0" : std::to_string(static_cast<int>(e)));
    }
    return out;
}

std::vector<std::string> sorted(Method method, Order order, const std::vector<float>& values) {
    Vector v = vectorOf(values);
    Single i;
    vectors::SortVariables w;
    vectors::sort(v, {method, order}, i, w);
    return elements(v);
}

TEST(Sorting, BothMethodsSortEitherWay) {
    struct Case {
        std::vector<float> values;
        Order order;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases{
        {{3, 1, 2}, Order::Ascending, {"1", "2", "3"}},
        {{3, 1, 2}, Order::Descending, {"3", "2", "1"}},
        {{1, 2, 3, 4}, Order::Ascending, {"1", "2", "3", "4"}},   // already sorted
        {{4, 3, 2, 1}, Order::Ascending, {"1", "2", "3", "4"}},   // reversed
        {{2, 5, 2, 5, 2}, Order::Descending, {"5", "5", "2", "2", "2"}},  // repeated
        {{7}, Order::Ascending, {"7"}},
    };
    for (Method m : {Method::Selection, Method::Bubble})
        for (const Case& c : cases) EXPECT_EQ(sorted(m, c.order, c.values), c.expected);
}

TEST(Sorting, OfEqualExtremesSelectionMovesTheLowestSubscript) {
    // 0 and -0 are equal: which one moves tells the tie rule.
    EXPECT_EQ(sorted(Method::Selection, Order::Ascending, {1, 0, -0.0f}), (std::vector<std::string>{"0", "-0", "1"}));
    EXPECT_EQ(sorted(Method::Selection, Order::Descending, {-1, -0.0f, 0}), (std::vector<std::string>{"-0", "0", "-1"}));
    EXPECT_EQ(sorted(Method::Selection, Order::Ascending, {0, -0.0f}), (std::vector<std::string>{"0", "-0"}));
}

TEST(Sorting, BubbleNeverExchangesEqualNeighbours) {
    for (Order o : {Order::Ascending, Order::Descending}) {
        EXPECT_EQ(sorted(Method::Bubble, o, {0, -0.0f, 0}), (std::vector<std::string>{"0", "-0", "0"}));
        EXPECT_EQ(sorted(Method::Bubble, o, {-0.0f, 0, -0.0f}), (std::vector<std::string>{"-0", "0", "-0"}));
    }
    EXPECT_EQ(sorted(Method::Bubble, Order::Ascending, {1, 0, -0.0f}), (std::vector<std::string>{"0", "-0", "1"}));
}

TEST(Sorting, BubbleRunsWhileTheSwapFlagIsSetAndLeavesItClear) {
    Vector v = vectorOf({3, 2, 1});
    Single i;
    vectors::SortVariables w;
    w.swapFlag = 0.0f;
    vectors::bubbleSort(v, Order::Ascending, i, w);
    EXPECT_EQ(elements(v), (std::vector<std::string>{"3", "2", "1"})) << "no pass without the flag";
    w.swapFlag = 1.0f;
    vectors::bubbleSort(v, Order::Ascending, i, w);
    EXPECT_EQ(elements(v), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(w.swapFlag, Single(0.0f));
}

TEST(SortedVectorWindows, ShowTheVectorSorted) {
    Opened w59("frmej59");
    w59.enterAll(counting(20, 1));
    EXPECT_EQ(w59.text("txtej5902"), vectorText(counting(1, 20)));

    Opened w60("frmej60");
    w60.enterAll({"2.5", "-1"}).enterAll(times(11, "0"));
    EXPECT_EQ(w60.text("txtej6002"), " 2,5" + vectorText(times(11, "0")) + " -1");

    Opened w61("frmej61");
    w61.enterAll(counting(1, 23));
    EXPECT_EQ(w61.text("txtej6102"), vectorText(counting(1, 23)));

    Opened w62("frmej62");
    w62.enterAll(times(11, "1") + times(11, "-2") + times(11, "3"));
    EXPECT_EQ(w62.text("txtej6202"), vectorText(times(11, "3") + times(11, "1") + times(11, "-2")));
}

TEST(SortedVectorWindows, AResetSortsOnlyTheNewSeries) {
    struct Case {
        const char* window;
        int n;
        bool ascending;
    };
    for (const Case& c : {Case{"frmej59", 20, true}, Case{"frmej60", 13, false}, Case{"frmej61", 23, true},
                          Case{"frmej62", 33, false}}) {
        Opened w(c.window);
        w.enterAll(times(c.n - 1, "1000")).reactivate();
        w.enterAll(counting(c.n, 1));
        const std::string box = "txtej" + std::string(c.window).substr(5) + "02";
        EXPECT_EQ(w.text(box), vectorText(c.ascending ? counting(1, c.n) : counting(c.n, 1))) << c.window;
    }
}

TEST(SortedVectorWindows, OnlyTheNumericTestRefuses) {
    Opened w("frmej59");
    w.enter("12abc");
    EXPECT_EQ(w.message(), "El valor 12abc no es numérico");
    w.enterAll({"-0.5", "1e-3"}).enterAll(times(18, "0"));
    EXPECT_EQ(w.text("txtej5902"), " -0,5" + vectorText(times(18, "0")) + " 0,001");
}

}  // namespace
}  // namespace ej::testing
