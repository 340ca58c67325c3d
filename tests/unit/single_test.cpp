#include "engine/single.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

namespace ej {
namespace {

constexpr double kHalfwayToInfinity = 0x1.ffffffp+127;  // 2^128 - 2^103
constexpr double kInf = std::numeric_limits<double>::infinity();

struct ToSingleRow {
    double in;
    bool faults;
    float out = 0.0f;
};

TEST(ToSingle, RoundsToNearestAndFaultsPastTheRange) {
    const ToSingleRow rows[] = {
        {3e38, false, 3e38f},
        {FLT_MAX, false, FLT_MAX},
        {3.4028235e38, false, FLT_MAX},
        {-3.4028235e38, false, -FLT_MAX},
        {std::nextafter(kHalfwayToInfinity, 0.0), false, FLT_MAX},
        {-std::nextafter(kHalfwayToInfinity, 0.0), false, -FLT_MAX},
        {kHalfwayToInfinity, true},  // the tie goes to the even neighbour, 2^128
        {-kHalfwayToInfinity, true},
        {3.4028236e38, true},
        {1e39, true},
        {DBL_MAX, true},
        {kInf, true},
        {-kInf, true},
        {std::numeric_limits<double>::quiet_NaN(), true},
        {0.1, false, 0.1f},
        {1.0 + 0x1p-24, false, 1.0f},             // tie, down to even
        {1.0 + 0x3p-24, false, 1.0f + 0x1p-22f},  // tie, up to even
        {1.0 + 0x1p-24 + 0x1p-50, false, 1.0f + 0x1p-23f},
        {1e-50, false, 0.0f},
        {0x1p-150, false, 0.0f},  // half the smallest subnormal: tie to even is 0
        {0x1.8p-149, false, 0x1p-148f},
        {1e-45, false, std::numeric_limits<float>::denorm_min()},
        {-1e-40, false, -1e-40f},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << std::hexfloat << row.in);
        if (row.faults) {
            EXPECT_THROW(toSingle(row.in), ArithmeticFault);
        } else {
            EXPECT_EQ(toSingle(row.in).value(), row.out);
        }
    }
}

}  // namespace
}  // namespace ej
