#pragma once

#include <string>
#include <utility>
#include <vector>

#include "engine/exercise_window.h"
#include "exercises/common/extreme.h"
#include "exercises/series/series.h"

namespace ej {

template <Extremum Kind>
struct ExtremeOfSeriesState {
    Series series;
    Extreme<Kind> extreme;
};

// A series of a fixed number of values of which the window reports the largest or
// the smallest, and in some windows its order of entry.
template <Extremum Kind>
class ExtremeOfSeries : public Exercise<ExtremeOfSeriesState<Kind>> {
public:
    struct Boxes {
        std::string value;
        std::string position;  // empty: the order of entry is not shown
    };

    ExtremeOfSeries(WindowDesign design, const NumberFormat& format, int count, Boxes boxes)
        : Exercise<ExtremeOfSeriesState<Kind>>(std::move(design), format), count_(count), boxes_(std::move(boxes)) {}

    SeriesLength seriesLength() const final { return SeriesLength::exactly(count_); }

private:
    Step step(ExtremeOfSeriesState<Kind>& s, const Entry& e) final {
        const Single at = s.series.take(e.value);
        s.extreme.offer(e.value, at, s.series.first());
        return Step::completeWhen(s.series.count == count_);
    }

    void describe(const ExtremeOfSeriesState<Kind>& s, Variables& v) const final {
        s.series.describe(v);
        if (boxes_.position.empty())
            s.extreme.describeValue(v);
        else
            s.extreme.describe(v);
    }

    std::vector<Result> results() const final {
        const auto& extreme = this->s.extreme;
        std::vector<Result> out{{boxes_.value, this->text(extreme.value)}};
        if (!boxes_.position.empty()) out.push_back({boxes_.position, this->text(extreme.position)});
        return out;
    }

    int count_;
    Boxes boxes_;
};

}  // namespace ej
