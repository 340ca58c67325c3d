#include "exercises/vectors/limits.h"

namespace ej::vectors {

Limits halfAround(Single average) {
    const Single half = average / 2.0f;
    return {average - half, half + average};
}

Limits widenedBy(Single average, double factor) {
    const double a = average.value();
    const double widening = a * factor;
    return {toSingle(a - widening), toSingle(widening + a)};
}

}  // namespace ej::vectors
