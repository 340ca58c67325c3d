#pragma once

#include <string>
#include <vector>

#include "engine/number_format.h"
#include "engine/single.h"

namespace ej::vectors {

// A vector of singles with subscripts 0 to its last subscript; element 0 is never
// used. A subscript is a whole number held in a single (the series counter, a loop
// index), taken to the nearest whole number; one outside the vector is a fault.
//
// Storage follows the highest element written, so a vector sized at run time for
// a very large number of elements costs only what is typed into it. An element not
// yet written reads as 0.
class Vector {
public:
    Vector() = default;  // no vector yet: every subscript lies outside it
    explicit Vector(Single last);

    Single& operator[](Single k);
    Single operator[](Single k) const;

    Single last() const { return last_; }

    // The vector text: each element from 1 to the last one, in its single text form,
    // preceded by one blank.
    std::string text(const NumberFormat& format) const;

    // The vector text of at most the first kLeadingElements elements, followed by " …"
    // when there are more: what a desk-check row shows of a vector, which a window can
    // size from a typed count, so that no row grows with it.
    static constexpr int kLeadingElements = 100;
    std::string leadingText(const NumberFormat& format) const;

private:
    std::size_t subscript(Single k) const;
    // Elements 1 to upTo, each in its single text form preceded by one blank.
    std::string elementsText(Single upTo, const NumberFormat& format) const;

    Single last_ = -1.0f;
    std::vector<Single> elements_;
};

}  // namespace ej::vectors
