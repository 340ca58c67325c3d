// Every exercise window under a few hundred random presses: numbers small and huge,
// fractions, negatives, texts that are not numbers, empty boxes, activations, closes
// and reopens. No press may throw, hang or leave a completed window unlocked; a
// fixed-count window completes exactly at its count. EJ_RANDOM_PRESSES sets how
// many presses per window (default 300) and EJ_RANDOM_SEED the seed, for longer passes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <regex>

#include "tests/unit/harness.h"

namespace ej::testing {
namespace {

const char* const kTexts[] = {
    "0", "1", "2", "3", "7", "-1", "-4", "10", "14", "6", "15", "100", "-0", "0.5", "2.5", "-7.25", "2,5",
    "1e3", "1E+07", "16777215", "33554438", "3e38", "-3e38", "1e39", "1e-50", "99999999999", "2147483904",
    "", " ", "abc", "12abc", "-", "1..2", "&H10", "1d2", " 8 ", "1.234.567", "0,001", "-2147483648", "388",
    "1001", "12.05",
};

int envOr(const char* name, int fallback) {
    const char* v = std::getenv(name);
    return v ? std::atoi(v) : fallback;
}

// The number of values a fixed-count window asks for, when its statement says it.
int fixedCount(const Window& w) {
    static const std::regex kAsks(R"(^Ingrese (\d+) números\.)");
    for (const auto& c : w.design().controls) {
        std::smatch m;
        if (c.kind == ControlKind::Label && std::regex_search(c.caption, m, kAsks)) return std::stoi(m[1]);
    }
    return 0;
}

bool lockedAsComplete(Opened& w) {
    const ExerciseWindow& x = w.window();
    return !w.view().enabled(x.inputBox()) && !w.view().enabled(x.entryButton()) &&
           w.view().defaultButton == x.exitButton();
}

TEST(RandomPresses, NoWindowBreaksOrPassesItsCount) {
    const int presses = envOr("EJ_RANDOM_PRESSES", 300);
    std::mt19937 random(static_cast<unsigned>(envOr("EJ_RANDOM_SEED", 2005)));
    for (const auto& [name, factory] : catalog()) {
        SCOPED_TRACE(name);
        Opened w(name);
        const int count = fixedCount(w.window());
        int accepted = 0;
        bool complete = false;
        for (int i = 0; i < presses; ++i) {
            const int action = static_cast<int>(random() % 100);
            if (action < 6) {
                w.reactivate();
                accepted = 0;
                continue;
            }
            if (action < 9) {
                w.reopen();
                accepted = 0;
                complete = false;
                continue;
            }
            std::uniform_int_distribution<std::size_t> pick(0, std::size(kTexts) - 1);
            ASSERT_NO_THROW(w.enter(kTexts[pick(random)]));
            if (complete) {
                EXPECT_TRUE(lockedAsComplete(w)) << "a completed window stays locked";
                continue;
            }
            complete = !w.view().enabled(w.window().entryButton());
            if (complete) {
                ASSERT_TRUE(lockedAsComplete(w));
            }
            if (count == 0) continue;
            if (w.message().empty()) ++accepted;
            ASSERT_LE(accepted, count);
            EXPECT_EQ(complete, accepted == count) << "after " << accepted << " accepted values";
        }
    }
}

}  // namespace
}  // namespace ej::testing
