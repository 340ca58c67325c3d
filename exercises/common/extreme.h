#pragma once

#include <string>
#include <string_view>

#include "engine/single.h"
#include "engine/trace.h"
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

    // "mayor" or "menor", followed by the class when there is one: "mayor par".
    static std::string name(std::string_view cls = {}) {
        const std::string_view n = Kind == Extremum::Largest ? "mayor" : "menor";
        return cls.empty() ? std::string(n) : words(n, cls);
    }
    // The extreme and its order of entry: "mayor par", "orden del mayor par".
    void describe(Variables& v, std::string_view cls = {}) const {
        v(name(cls), value)(words("orden del", name(cls)), position);
    }
    // The extreme alone, for windows that keep no order of entry.
    void describeValue(Variables& v, std::string_view cls = {}) const { v(name(cls), value); }
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

    // The class count and the extreme, "cantidad positivos", "menor positivo"; the
    // position kept here is the order within the class, which no window shows.
    void describe(Variables& v, ClassName cls) const {
        tally.describe(v, cls.plural, Kept::Count);
        extreme.describeValue(v, cls.singular);
    }
};

using ClassLargest = ClassExtreme<Largest>;
using ClassSmallest = ClassExtreme<Smallest>;

}  // namespace ej
