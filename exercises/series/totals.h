#pragma once

#include "engine/single.h"

namespace ej {

// Count, sum and running average of every accepted value of a fixed-count series.
struct Totals {
    Counter16 count;
    Single sum;
    Single average;

    void add(Single value) {
        count.increment();
        sum += value;
        average = sum / count.asSingle();
    }
};

}  // namespace ej
