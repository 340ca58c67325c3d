#pragma once

// Whole series typed into a window, and the results they must show.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "tests/unit/harness.h"

namespace ej::testing {

// The values given, then `fill` until the series holds n values.
inline std::vector<std::string> padded(std::vector<std::string> values, int n, const std::string& fill) {
    while (static_cast<int>(values.size()) < n) values.push_back(fill);
    return values;
}

// The whole numbers from `from` to `to`, counting up or down.
inline std::vector<std::string> counting(int from, int to) {
    std::vector<std::string> v;
    const int step = from <= to ? 1 : -1;
    for (int i = from; i != to + step; i += step) v.push_back(std::to_string(i));
    return v;
}

struct SeriesCase {
    const char* window;
    std::vector<std::string> values;  // the whole series: its last value completes it
    std::map<std::string, std::string> boxes;
    const char* why;
};

inline void expectShown(const SeriesCase& c) {
    Opened w(c.window);
    w.enterAll(std::vector<std::string>(c.values.begin(), c.values.end() - 1));
    ASSERT_FALSE(w.complete()) << c.window << ": " << c.why;
    w.enter(c.values.back());
    ASSERT_TRUE(w.complete()) << c.window << ": " << c.why;
    for (const auto& [box, text] : c.boxes) EXPECT_EQ(w.text(box), text) << c.window << " " << box << ": " << c.why;
}

}  // namespace ej::testing
