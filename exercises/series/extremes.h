#pragma once

#include "exercises/common/class_tally.h"
#include "exercises/common/extreme.h"

namespace ej {

// Both extremes of a series, examined in the window's own order: the first value of
// the series sets both; after it, `later` is examined only when `earlier` was not
// replaced by the value.
template <class Earlier, class Later>
void offerInTurn(Earlier& earlier, Later& later, Single value, Single position, bool first) {
    if (first) {
        earlier.set(value, position);
        later.set(value, position);
    } else if (!earlier.offer(value, position, false)) {
        later.offer(value, position, false);
    }
}

}  // namespace ej
