#pragma once

#include <string>
#include <utility>
#include <vector>

#include "engine/exercise_window.h"
#include "exercises/series/totals.h"

namespace ej {

// A window that reads a fixed number of values, every numeric value accepted, and
// reports from their count, sum and average.
struct TotalsState {
    Single value;
    Totals totals;
};

class TotalsSeries : public Exercise<TotalsState> {
public:
    enum class Shows { Count, Sum, Average };
    using Report = std::vector<std::pair<std::string, Shows>>;  // box and what it shows, in writing order

    TotalsSeries(WindowDesign design, const NumberFormat& format, int count, Report report);

    SeriesLength seriesLength() const final { return SeriesLength::exactly(count_); }

private:
    Step step(TotalsState& s, const Entry& e) override;
    // The average is a variable of the windows that show it.
    void describe(const TotalsState& s, Variables& v) const override;
    std::vector<Result> results() const override;

    int count_;
    Report report_;
};

}  // namespace ej
