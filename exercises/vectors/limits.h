#pragma once

#include <functional>
#include <string>

#include "exercises/vectors/vector_window.h"

namespace ej::vectors {

// Classing the elements of a sorted vector against two limits around its average.

struct Limits {
    Single lower;
    Single upper;
};

// The average less and plus half of it, in single precision.
Limits halfAround(Single average);
// The average less and plus the average times a factor, in double precision, each
// limit then held as a single.
Limits widenedBy(Single average, double factor);

// What a window shows of each class: its count and its sum, or its average.
enum class Shown { CountAndSum, Average };

template <int N>
struct LimitsState {
    SortedSeries series{static_cast<float>(N)};
    Single sum;
    Single average;
    Limits limits;
    ClassTally below;   // under the lower limit
    ClassTally within;  // from the lower limit up to, not including, the upper one
    ClassTally above;   // every other element
};

// A series of N numbers of any kind, stored and sorted once complete. The average is
// the sum over the sorted vector divided by N; every element then joins the class
// below, within or above the limits drawn from it. The results are written class by
// class into txtejNN03 onward.
template <int N>
class LimitsWindow : public VectorWindow<LimitsState<N>> {
    using State = LimitsState<N>;

public:
    LimitsWindow(WindowDesign design, const NumberFormat& format, Sorting how,
                 std::function<Limits(Single)> limitsOf, Shown shown)
        : VectorWindow<State>(std::move(design), format, anyValue),
          how_(how),
          limitsOf_(std::move(limitsOf)),
          shown_(shown) {}

private:
    void finish(State& s) override {
        this->sortByPasses(s, how_);
        const Vector& v = s.series.vector;
        for (Single k = 1.0f; k <= v.last(); k += 1.0f) s.sum += v[k];
        s.average = s.sum / v.last();
        s.limits = limitsOf_(s.average);
        for (Single k = 1.0f; k <= v.last(); k += 1.0f) {
            ClassTally& c = v[k] < s.limits.lower ? s.below : v[k] < s.limits.upper ? s.within : s.above;
            if (shown_ == Shown::Average)
                c.joinAveraged(v[k]);
            else
                c.join(v[k]);
        }
    }

    // The limits stand where the exercise declares them: the lower one before the
    // class below, the upper one before the class above.
    void describe(const State& s, Variables& v) const override {
        const Kept kept = shown_ == Shown::Average ? Kept::CountSumAverage : Kept::CountSum;
        s.series.describe(v);
        describeSortVariables(v, s.series.sorting, how_);
        v("suma", s.sum)("promedio", s.average)("límite inferior", s.limits.lower);
        s.below.describe(v, "bajo", kept);
        s.within.describe(v, "dentro", kept);
        v("límite superior", s.limits.upper);
        s.above.describe(v, "sobre", kept);
    }

    std::vector<Result> statistics() const override {
        std::vector<Result> out;
        int box = 3;
        for (const auto& [c, emptyText] : {std::pair{&this->s.below, "No hay N° debajo del LIN"},
                                           std::pair{&this->s.within, "No hay N° debajo del LME"},
                                           std::pair{&this->s.above, "No hay N° debajo del LSU"}}) {
            const auto& d = this->design();
            if (shown_ == Shown::Average) {
                this->addClass(out, c->empty(), emptyText, {{boxOf(d, box), c->average}});
                box += 1;
            } else {
                this->addClass(out, c->empty(), emptyText, {{boxOf(d, box), c->count}, {boxOf(d, box + 1), c->sum}});
                box += 2;
            }
        }
        return out;
    }

    Sorting how_;
    std::function<Limits(Single)> limitsOf_;
    Shown shown_;
};

}  // namespace ej::vectors
