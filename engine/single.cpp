#include "engine/single.h"

#include <cfloat>

namespace ej {

Single toSingle(double d) {
    // Halfway between the largest single and 2^128: from there on the nearest single
    // is infinity. The range is tested before any cast, which is undefined outside it.
    constexpr double overflowLimit = 0x1.ffffffp+127;
    if (!(std::fabs(d) < overflowLimit)) throw ArithmeticFault{};  // NaN fails too
    // Below the limit but above the largest single, the nearest single is the largest;
    // say so rather than lean on how the cast treats a value past the last single.
    if (std::fabs(d) > FLT_MAX) return Single(d > 0 ? FLT_MAX : -FLT_MAX);
    return Single(static_cast<float>(d));
}

}  // namespace ej
