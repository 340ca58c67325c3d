#pragma once

#include "exercises/bounded/bounded_series.h"
#include "exercises/common/class_tally.h"

namespace ej {

// The tallies of the windows that report one parity class and one sign class.
struct ParityAndSign {
    WorkingCopy copy;
    ClassTally parity;
    ClassTally sign;
};

enum class ParityClass { Even, Odd };
enum class SignClass { Positive, Negative };

// Which classes a window reports, and whether it reports their averages besides their
// counts and sums.
struct ReportedClasses {
    ParityClass parity;
    SignClass sign;
    bool averaged = false;
};

// A bounded window that takes any whole number and reports a parity class, then a sign
// class, each in its row of result boxes: count, sum and, where reported, average. A
// negative value has the parity of its magnitude; a value can fall in both classes.
class ParityAndSignExercise : public BoundedExercise<ParityAndSign> {
public:
    ParityAndSignExercise(WindowDesign design, const NumberFormat& format, Bounds bounds, ReportedClasses classes);

private:
    void accumulate(ParityAndSign& t, Single value, Single order) override;
    std::vector<Result> results() const override;
    void describe(const BoundedState<ParityAndSign>& s, Variables& v) const override;

    ReportedClasses classes_;
};

}  // namespace ej
