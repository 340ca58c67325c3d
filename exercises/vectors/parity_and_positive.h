#pragma once

#include "exercises/common/class_texts.h"
#include <string>

#include "exercises/vectors/vector_window.h"

namespace ej::vectors {

// A stored series of N whole numbers with the count, sum and average of one parity
// class (the parity of the magnitude) and of the positive class (0 included), shown
// in the boxes txtejNN03 to txtejNN08.
enum class Parity { Even, Odd };

template <int N>
struct ParityAndPositiveState {
    StoredSeries series{static_cast<float>(N)};
    WorkingCopy copy;
    ClassTally parity;
    ClassTally positive;
};

template <int N>
class ParityAndPositive : public VectorWindow<ParityAndPositiveState<N>> {
    using State = ParityAndPositiveState<N>;

public:
    ParityAndPositive(WindowDesign design, const NumberFormat& format, Parity parity, std::string parityEmptyText)
        : VectorWindow<State>(std::move(design), format, wholeNumber),
          parity_(parity),
          parityEmptyText_(std::move(parityEmptyText)) {}

private:
    void accumulate(State& s, Single element) override {
        if (s.copy.reduce(element) == (parity_ == Parity::Even)) s.parity.joinAveraged(element);
        if (element >= Single(0.0f)) s.positive.joinAveraged(element);
    }
    void describe(const State& s, Variables& v) const override {
        s.series.describe(v);
        s.copy.describe(v);
        s.parity.describe(v, (parity_ == Parity::Even ? kEvens : kOdds).plural, Kept::CountSumAverage);
        s.positive.describe(v, kPositives.plural, Kept::CountSumAverage);
    }
    std::vector<Result> statistics() const override {
        const auto& d = this->design();
        std::vector<Result> out;
        this->addTally(out, this->s.parity, parityEmptyText_, boxOf(d, 3), boxOf(d, 4), boxOf(d, 5));
        this->addTally(out, this->s.positive, kNoPositive, boxOf(d, 6), boxOf(d, 7), boxOf(d, 8));
        return out;
    }

    Parity parity_;
    std::string parityEmptyText_;
};

}  // namespace ej::vectors
