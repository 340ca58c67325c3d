// The vector of the exercises 51 to 69: subscripts from 1, a subscript outside is a fault.
#include <gtest/gtest.h>

#include "exercises/vectors/vector.h"

namespace ej {
namespace {

TEST(Vector, ASubscriptOutsideTheVectorIsAFault) {
    vectors::Vector v(3.0f);
    v[2.5f] = 7.0f;  // to the nearest whole subscript, ties to even
    EXPECT_EQ(v[2.0f], Single(7.0f));
    EXPECT_EQ(v[3.0f], Single(0.0f)) << "an element not yet written";
    EXPECT_THROW(v[4.0f], ArithmeticFault);
    EXPECT_THROW(v[-1.0f], ArithmeticFault);
    EXPECT_EQ(v.text({",", "."}), " 0 7 0");
    vectors::Vector none;
    EXPECT_THROW(none[0.0f], ArithmeticFault) << "no vector yet";
}

}  // namespace
}  // namespace ej
