#pragma once

#include "engine/single.h"
#include "engine/trace.h"
#include "exercises/common/extreme.h"

namespace ej {

// Sum and running average of every counted value of a series; the divisor is the
// series counter, just raised, so it is never 0.
struct SeriesTotals {
    Single sum;
    Single average;

    void add(Single value, Single counter) {
        sum += value;
        average = sum / counter;
    }
    void describe(Variables& v) const { v("suma", sum)("promedio", average); }
};

// Smallest and largest of every counted value, each with its order of entry. The first
// value sets both; after it the smallest is examined first, and the largest only for
// a value that did not replace it.
struct SeriesRange {
    Smallest smallest;
    Largest largest;

    void offer(Single value, Single order) {
        const bool first = order == Single(1.0f);
        if (!smallest.offer(value, order, first) || first) largest.offer(value, order, first);
    }
    // The largest with its order, then the smallest with its order.
    void describe(Variables& v) const {
        largest.describe(v);
        smallest.describe(v);
    }
};

}  // namespace ej
