#pragma once

#include "engine/single.h"

namespace ej {

// The largest or smallest value seen, with its order of entry. It starts from the
// first value offered and is replaced only by a strictly larger (smaller) one, so a
// repeated extreme keeps the position of its first occurrence.
enum class Extremum { Largest, Smallest };

template <Extremum Kind>
struct Extreme {
    Single value;
    Single position;

    bool beatenBy(Single v) const { return Kind == Extremum::Largest ? v > value : v < value; }
    void set(Single v, Single at) {
        value = v;
        position = at;
    }
    // Takes the value when it is the first of its series or class, or strictly beyond;
    // tells whether it did, for windows that examine the other extreme only otherwise.
    bool offer(Single v, Single at, bool first) {
        if (!first && !beatenBy(v)) return false;
        set(v, at);
        return true;
    }
};

using Largest = Extreme<Extremum::Largest>;
using Smallest = Extreme<Extremum::Smallest>;

}  // namespace ej
