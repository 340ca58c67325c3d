#include "exercises/vectors/vector.h"

#include <algorithm>
#include <cmath>

#include "engine/conversions.h"

namespace ej::vectors {

Vector::Vector(Single last) : last_(last) {}

std::size_t Vector::subscript(Single k) const {
    const float whole = std::nearbyint(k.value());  // to nearest, ties to even
    if (!(whole >= 0.0f && whole <= last_.value())) throw ArithmeticFault{};
    return static_cast<std::size_t>(whole);
}

Single& Vector::operator[](Single k) {
    const std::size_t i = subscript(k);
    if (i >= elements_.size()) elements_.resize(i + 1);
    return elements_[i];
}

Single Vector::operator[](Single k) const {
    const std::size_t i = subscript(k);
    return i < elements_.size() ? elements_[i] : Single(0.0f);
}

std::string Vector::text(const NumberFormat& format) const { return elementsText(last_, format); }

std::string Vector::leadingText(const NumberFormat& format) const {
    const Single shown = std::min(last_, Single(static_cast<float>(kLeadingElements)));
    std::string out = elementsText(shown, format);
    if (last_ > shown) out += " …";
    return out;
}

std::string Vector::elementsText(Single upTo, const NumberFormat& format) const {
    std::string out;
    // Appended piece by piece: GCC 12 at -O3 inlines `" " + text` into a memcpy it then
    // falsely reports as overlapping (-Wrestrict).
    for (Single k = 1.0f; k <= upTo; k += 1.0f) {
        out += ' ';
        out += singleText((*this)[k].value(), format);
    }
    return out;
}

}  // namespace ej::vectors
