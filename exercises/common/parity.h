#pragma once

#include <cmath>

#include "engine/single.h"

namespace ej {

// The parity reduction: the remainder left when 2 is subtracted from a whole,
// non-negative working copy while it is 2 or more, each difference held as a single.
// 0 means even, 1 odd. The result is the loop's, computed without its steps: below
// 2^24 the subtractions are exact, so they leave the exact remainder; from 2^24 up
// every single is an even whole number, where the loop (when it ends at all: from
// 2^25 + 8 it stalls) leaves 0, as does the exact remainder.
Single parityRemainder(Single workingCopy);

// Parity of a whole value of either sign: the reduction of its magnitude.
inline bool isEven(Single wholeValue) {
    return parityRemainder(Single(std::fabs(wholeValue.value()))) == Single(0.0f);
}

// The admission rule of the windows that ask for "números enteros y positivos".
inline bool isWholeNonNegative(Single v) { return v >= Single(0.0f) && v.isWhole(); }

}  // namespace ej
