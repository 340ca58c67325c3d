#pragma once

#include "engine/single.h"
#include "engine/trace.h"

namespace ej {

// The series counter and the last value read of a fixed-count window.
struct Series {
    Counter16 count;
    Single value;

    // Counts the value just read and gives its order of entry.
    Single take(Single v) {
        value = v;
        count.increment();
        return count.asSingle();
    }
    bool first() const { return count == 1; }
    void describe(Variables& v) const { v("contador", count)("valor", value); }
};

}  // namespace ej
