#pragma once

#include <utility>

#include "engine/exercise_window.h"
#include "exercises/common/class_tally.h"
#include "exercises/common/class_texts.h"
#include "exercises/common/extreme.h"
#include "exercises/series/series.h"
#include "exercises/series/totals.h"

namespace ej {

// What a class keeps of the values that join it, beside ClassTally itself (count and
// sum) and ClassLargest/ClassSmallest (count and extreme).
struct Counted : ClassTally {
    void join(Single) { ClassTally::join(); }
};
struct Averaged : ClassTally {
    void join(Single value) { joinAveraged(value); }
};

// A sign class's variables, as many as its kind keeps.
inline void describeClass(Variables& v, const Counted& c, ClassName n) { c.describe(v, n.plural, Kept::Count); }
inline void describeClass(Variables& v, const ClassTally& c, ClassName n) { c.describe(v, n.plural, Kept::CountSum); }
inline void describeClass(Variables& v, const Averaged& c, ClassName n) {
    c.describe(v, n.plural, Kept::CountSumAverage);
}
template <class E>
void describeClass(Variables& v, const ClassExtreme<E>& c, ClassName n) {
    c.describe(v, n);
}

// Where a window puts 0.
enum class Zero { Positive, Negative };

// A series split by sign: each value joins the positive or the negative class.
template <class Positive, class Negative, Zero zero>
struct BySign {
    Positive positive;
    Negative negative;

    void join(Single value) {
        const bool isPositive = zero == Zero::Positive ? value >= 0.0f : value > 0.0f;
        if (isPositive)
            positive.join(value);
        else
            negative.join(value);
    }
    void describe(Variables& v) const {
        describeClass(v, positive, kPositives);
        describeClass(v, negative, kNegatives);
    }
};

// The series counter, the value and the two sign classes of a series.
template <class Positive, class Negative, Zero zero>
struct SeriesBySign {
    Series series;
    BySign<Positive, Negative, zero> classes;

    void describe(Variables& v) const { series.describe(v); classes.describe(v); }
};

// Count, sum and average of all the values of a series and of each sign class, with 0
// among the positives.
struct TotalsBySign {
    Single value;
    Totals totals;
    BySign<Averaged, Averaged, Zero::Positive> classes;

    void add(Single v) {
        value = v;
        totals.add(value);
        classes.join(value);
    }
    // The sum and average of all values follow the classes.
    void describe(Variables& v) const {
        v("contador", totals.count)("valor", value);
        classes.describe(v);
        v("suma", totals.sum)("promedio", totals.average);
    }
};

// A series of a fixed number of values kept as TotalsBySign; the window gives its results.
class TotalsBySignWindow : public Exercise<TotalsBySign> {
public:
    TotalsBySignWindow(WindowDesign design, const NumberFormat& format, int count)
        : Exercise(std::move(design), format), count_(count) {}

    SeriesLength seriesLength() const final { return SeriesLength::exactly(count_); }

private:
    Step step(TotalsBySign& s, const Entry& e) final {
        s.add(e.value);
        return Step::completeWhen(s.totals.count == count_);
    }

    int count_;
};

}  // namespace ej
