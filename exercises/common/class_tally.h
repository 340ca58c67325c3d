#pragma once

#include "engine/single.h"

namespace ej {

// The count, sum and running average of one class of values (positives, evens...),
// all singles. A window calls the join that matches what it tracks, so that it never
// computes, and never faults on, a sum it does not keep.
struct ClassTally {
    Single count;
    Single sum;
    Single average;

    void join() { count += 1.0f; }
    void join(Single value) {
        join();
        sum += value;
    }
    // The average is recomputed right after the count rose, so it never divides by 0.
    void joinAveraged(Single value) {
        join(value);
        average = sum / count;
    }
    bool empty() const { return count == Single(0.0f); }
    bool first() const { return count == Single(1.0f); }
};

}  // namespace ej
