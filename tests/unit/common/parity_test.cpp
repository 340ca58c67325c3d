// The parity reduction against exact parity, where the subtraction loop would take
// millions of steps or never end.
#include <gtest/gtest.h>

#include "exercises/common/parity.h"

namespace ej {
namespace {

TEST(ParityReduction, AgreesWithExactParityAndAlwaysReturns) {
    struct Row {
        float value;
        float remainder;
    };
    const Row rows[] = {
        {0, 0}, {1, 1}, {2, 0}, {3, 1},
        {16777214, 0}, {16777215, 1},        // below 2^24: every whole number exists
        {16777216, 0}, {16777218, 0},        // from 2^24 every single is even
        {33554436, 0}, {33554440, 0},        // 2^25 + 8: where the loop would stall
        {3.0e38f, 0}, {3.4028235e38f, 0},
    };
    for (const Row& r : rows) EXPECT_EQ(parityRemainder(r.value).value(), r.remainder) << r.value;
}

TEST(ParityReduction, SignDoesNotChangeParity) {
    EXPECT_TRUE(isEven(-4.0f));
    EXPECT_FALSE(isEven(-7.0f));
    EXPECT_FALSE(isEven(-16777215.0f));
    EXPECT_TRUE(isEven(-3.0e38f));
}

TEST(WholeNonNegative, RefusesNegativesAndFractions) {
    EXPECT_TRUE(isWholeNonNegative(0.0f));
    EXPECT_TRUE(isWholeNonNegative(-0.0f));
    EXPECT_TRUE(isWholeNonNegative(3.0e38f));
    EXPECT_FALSE(isWholeNonNegative(-4.0f));
    EXPECT_FALSE(isWholeNonNegative(2.5f));
    EXPECT_FALSE(isWholeNonNegative(1e-30f));
}

}  // namespace
}  // namespace ej
