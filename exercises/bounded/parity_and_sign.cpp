#include "exercises/bounded/parity_and_sign.h"

#include <utility>

#include "exercises/common/class_texts.h"
#include "exercises/common/parity.h"

namespace ej {

ParityAndSignExercise::ParityAndSignExercise(WindowDesign design, const NumberFormat& format, Bounds bounds,
                                             ReportedClasses classes)
    : BoundedExercise(std::move(design), format, bounds, Admits::Whole), classes_(classes) {}

void ParityAndSignExercise::accumulate(ParityAndSign& t, Single value, Single) {
    auto join = [&](ClassTally& tally) {
        if (classes_.averaged)
            tally.joinAveraged(value);
        else
            tally.join(value);
    };
    if (t.copy.reduce(value) == (classes_.parity == ParityClass::Even)) join(t.parity);
    if ((value < 0.0f) == (classes_.sign == SignClass::Negative)) join(t.sign);
}

void ParityAndSignExercise::describe(const BoundedState<ParityAndSign>& s, Variables& v) const {
    const Kept kept = classes_.averaged ? Kept::CountSumAverage : Kept::CountSum;
    s.describeSeries(v);
    s.copy.describe(v);
    s.parity.describe(v, (classes_.parity == ParityClass::Even ? kEvens : kOdds).plural, kept);
    s.sign.describe(v, (classes_.sign == SignClass::Positive ? kPositives : kNegatives).plural, kept);
}

std::vector<Result> ParityAndSignExercise::results() const {
    // The result boxes, in the order of their names: the parity row, then the sign row.
    const auto& box = resultBoxes_;
    const std::size_t row = classes_.averaged ? 3 : 2;
    auto write = [&](std::vector<Result>& out, const ClassTally& tally, std::size_t first, const std::string& none) {
        addClass(out, tally.empty(), none, {{box[first], tally.count}, {box[first + 1], tally.sum}});
        if (classes_.averaged) addClass(out, tally.empty(), none, {{box[first + 2], tally.average}});
    };
    std::vector<Result> out;
    write(out, s.parity, 0, classes_.parity == ParityClass::Even ? kNoEven : kNoOdd);
    write(out, s.sign, row, classes_.sign == SignClass::Positive ? kNoPositive : kNoNegative);
    return out;
}

}  // namespace ej
