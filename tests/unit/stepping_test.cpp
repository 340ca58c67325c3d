// The walks of engine/stepping against the loops they stand for, taken step by step:
// binades crossed up and down, steps that fall half way between two singles, zero
// crossed, walks that stall.
#include <gtest/gtest.h>

#include "engine/stepping.h"

namespace ej {
namespace {

Walk stepByStep(float x, double step, Relation relation, double bound) {
    Walk w{0, x, false};
    while (holds(w.last, relation, bound)) {
        const float next = static_cast<float>(static_cast<double>(w.last) + step);
        if (next == w.last) {
            w.stalled = true;
            break;
        }
        w.last = next;
        w.passes += 1;
    }
    return w;
}

struct WalkCase {
    float from;
    double step;
    Relation relation;
    double bound;
};

TEST(Stepping, AWalkEndsWhereItsStepsWould) {
    const WalkCase cases[] = {
        {3000001.0f, -2, Relation::GreaterEqual, 2},           // a million and a half exact steps
        {33554436.0f, -2, Relation::GreaterEqual, 33000000},   // a first step half way, then exact
        {33554444.0f, -6, Relation::Greater, 30000000},        // steps half way between singles
        {33554440.0f, -2, Relation::GreaterEqual, 2},          // rounds back at once: stalls
        {67108900.0f, -3, Relation::GreaterEqual, 67000000},   // a step below the spacing, rounded up
        {1000.5f, -0.1, Relation::GreaterEqual, 0},            // a step no single holds
        {3.0f, 0.7, Relation::Less, 5e5},                      // rising through the binades
        {-100.0f, 3, Relation::LessEqual, 1e5},                // through zero
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.from);
        const Walk fast = walkWhile(c.from, c.step, c.relation, c.bound);
        const Walk slow = stepByStep(c.from, c.step, c.relation, c.bound);
        EXPECT_EQ(fast.last, slow.last);
        EXPECT_EQ(fast.passes, slow.passes);
        EXPECT_EQ(fast.stalled, slow.stalled);
    }
}

TEST(Stepping, ACountStopsRisingAtTwoToThe24) {
    EXPECT_EQ(walkTimes(0, 1, 21474836), 16777216.0f);
    EXPECT_EQ(walkTimes(5, 1, 1000), 1005.0f);
    EXPECT_EQ(walkTimes(0.5f, 0.25, 3), 1.25f);
}

TEST(Stepping, TheExactWalkEndsOnTheResidueClassOfItsStart) {
    struct Exact {
        double from, step;
        Relation relation;
        double bound, passes, last;
    };
    const Exact cases[] = {
        {11, -2, Relation::GreaterEqual, 2, 5, 1},
        {10, -2, Relation::Greater, 2, 4, 2},
        {0, 2, Relation::LessEqual, 4, 3, 6},
        {1, 2, Relation::Less, 4, 2, 5},
        {3e38, -2, Relation::GreaterEqual, 2, 1.5e38, 0},  // exact beyond 2^53 too
        {5, 2, Relation::GreaterEqual, 2, -1, 5},          // away from the end: never
        {1, -2, Relation::GreaterEqual, 2, 0, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.from);
        const ExactWalk w = exactWalkWhile(c.from, c.step, c.relation, c.bound);
        EXPECT_EQ(w.last, c.last);
        EXPECT_DOUBLE_EQ(w.passes, c.passes);
    }
}

}  // namespace
}  // namespace ej
