#pragma once

#include "engine/single.h"
#include "exercises/common/class_tally.h"

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

// The count of one class of values with its Largest or Smallest, which starts from the
// first value of the class.
template <class E>
struct ClassExtreme {
    ClassTally tally;
    E extreme;

    void join(Single value, Single position) {
        tally.join();
        extreme.offer(value, position, tally.first());
    }
    // Where no order of entry is kept, the position is the value's order within the class.
    void join(Single value) { join(value, tally.count + 1.0f); }
    bool empty() const { return tally.empty(); }
};

using ClassLargest = ClassExtreme<Largest>;
using ClassSmallest = ClassExtreme<Smallest>;

}  // namespace ej
