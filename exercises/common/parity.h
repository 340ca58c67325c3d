#pragma once

#include <cmath>

#include "engine/single.h"
#include "engine/trace.h"

namespace ej {

// The parity reduction: the remainder left when 2 is subtracted from a whole,
// non-negative working copy while it is 2 or more, each difference held as a single.
// 0 means even, 1 odd. The result is the loop's, computed without its steps: below
// 2^24 the subtractions are exact, so they leave the exact remainder; from 2^24 up
// every single is an even whole number, where the loop (when it ends at all: from
// 2^25 + 8 it stalls) leaves 0, as does the exact remainder.
Single parityRemainder(Single workingCopy);

// The working copy of the parity reduction as a window keeps it: after a reduction it
// holds what the loop left of the magnitude, 0 or 1.
struct WorkingCopy {
    Single value;

    // Reduces a whole value of either sign; tells whether it is even.
    bool reduce(Single wholeValue) {
        value = parityRemainder(Single(std::fabs(wholeValue.value())));
        return value == Single(0.0f);
    }
    void describe(Variables& v) const { v("copia de trabajo", value); }
};

// Parity of a whole value of either sign, for windows that do not show the working copy.
inline bool isEven(Single wholeValue) { return WorkingCopy{}.reduce(wholeValue); }

// The admission rule of the windows that ask for "números enteros y positivos".
inline bool isWholeNonNegative(Single v) { return v >= Single(0.0f) && v.isWhole(); }

}  // namespace ej
