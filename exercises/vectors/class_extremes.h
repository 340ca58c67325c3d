#pragma once

#include <string>

#include "exercises/common/extreme.h"
#include "exercises/vectors/vector_window.h"

namespace ej::vectors {

// A class of elements and the text its box shows when the class is empty.
struct ElementClass {
    bool (*member)(Single element);
    std::string emptyText;
};

inline bool even(Single v) { return isEven(v); }
inline bool odd(Single v) { return !isEven(v); }
inline bool notNegative(Single v) { return v >= Single(0.0f); }  // the positive class, 0 included
inline bool negative(Single v) { return v < Single(0.0f); }

// The extreme of one class, found by scanning the whole vector; its position is the
// element's subscript.
template <class E>
void scan(ClassExtreme<E>& extreme, const Vector& v, const ElementClass& c) {
    for (Single k = 1.0f; k <= v.last(); k += 1.0f)
        if (c.member(v[k])) extreme.join(v[k], k);
}

template <class First, class Second>
struct ClassExtremesState {
    SortedSeries series{24.0f};
    ClassExtreme<First> first;
    ClassExtreme<Second> second;
};

// A series of 24 whole numbers, stored and sorted once complete; then the extreme of a
// first class and the extreme of a second class, each scanned for over the whole
// sorted vector, are shown in the boxes txtejNN03 and txtejNN04.
template <class First, class Second>
class ClassExtremes : public VectorWindow<ClassExtremesState<First, Second>> {
    using State = ClassExtremesState<First, Second>;

public:
    ClassExtremes(WindowDesign design, const NumberFormat& format, Sorting how, ElementClass first,
                  ElementClass second)
        : VectorWindow<State>(std::move(design), format, wholeNumber),
          how_(how),
          first_(std::move(first)),
          second_(std::move(second)) {}

private:
    void finish(State& s) override {
        s.series.sort(how_);
        scan(s.first, s.series.vector, first_);
        scan(s.second, s.series.vector, second_);
    }
    std::vector<Result> statistics() const override {
        const auto& d = this->design();
        std::vector<Result> out;
        this->addClass(out, this->s.first.empty(), first_.emptyText, {{boxOf(d, 3), this->s.first.extreme.value}});
        this->addClass(out, this->s.second.empty(), second_.emptyText,
                       {{boxOf(d, 4), this->s.second.extreme.value}});
        return out;
    }

    Sorting how_;
    ElementClass first_, second_;
};

}  // namespace ej::vectors
