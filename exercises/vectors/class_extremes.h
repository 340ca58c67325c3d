#pragma once

#include <string>

#include "exercises/common/extreme.h"
#include "exercises/vectors/vector_window.h"

namespace ej::vectors {

// A class of elements, its name in the desk check and the text its box shows when the
// class is empty. A parity class decides through the working copy of the reduction.
struct ElementClass {
    bool (*member)(Single element, WorkingCopy& copy);
    ClassName name;
    std::string emptyText;
};

inline bool even(Single v, WorkingCopy& copy) { return copy.reduce(v); }
inline bool odd(Single v, WorkingCopy& copy) { return !copy.reduce(v); }
inline bool notNegative(Single v, WorkingCopy&) { return v >= Single(0.0f); }  // the positive class, 0 included
inline bool negative(Single v, WorkingCopy&) { return v < Single(0.0f); }

// The extreme of one class, found by scanning the whole vector; its position is the
// element's subscript.
template <class E>
void scan(ClassExtreme<E>& extreme, const Vector& v, const ElementClass& c, WorkingCopy& copy) {
    for (Single k = 1.0f; k <= v.last(); k += 1.0f)
        if (c.member(v[k], copy)) extreme.join(v[k], k);
}

template <class First, class Second>
struct ClassExtremesState {
    SortedSeries series{24.0f};
    // Shown by the selection-sort windows; the bubble-sort window's exercise lists none
    // (its sort's temporary serves, and shows the copy), so there it stays out of the
    // desk check.
    WorkingCopy copy;
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
        this->sortByPasses(s, how_);
        // The bubble-sort window keeps no working copy of its own: once the sort is
        // over, its temporary serves as one.
        const bool temporaryServes = how_.method == Method::Bubble;
        if (temporaryServes) s.copy.value = s.series.sorting.temporary;
        scan(s.first, s.series.vector, first_, s.copy);
        scan(s.second, s.series.vector, second_, s.copy);
        if (temporaryServes) s.series.sorting.temporary = s.copy.value;
    }
    // The selection-sort windows list the sort's extreme so far and its subscript last;
    // the bubble-sort window has no working copy of its own.
    void describe(const State& s, Variables& v) const override {
        s.series.describe(v);
        if (how_.method == Method::Selection) {
            describeInnerIndex(v, s.series.sorting);
            s.copy.describe(v);
        } else {
            describeSortVariables(v, s.series.sorting, how_);
        }
        s.first.describe(v, first_.name);
        s.second.describe(v, second_.name);
        if (how_.method == Method::Selection) describeExtremeSoFar(v, s.series.sorting, how_.order);
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
