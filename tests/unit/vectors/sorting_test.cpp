// The sorting procedures of the vector exercises: either order, and which of equal
// values moves.
#include <gtest/gtest.h>

#include <cmath>

#include "exercises/vectors/sorting.h"

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

}  // namespace
}  // namespace ej::testing
