#include "exercises/series/totals_series.h"

namespace ej {

TotalsSeries::TotalsSeries(WindowDesign design, const NumberFormat& format, int count, Report report)
    : Exercise(std::move(design), format), count_(count), report_(std::move(report)) {}

Step TotalsSeries::step(TotalsState& s, const Entry& e) {
    s.value = e.value;
    s.totals.add(s.value);
    return Step::completeWhen(s.totals.count == count_);
}

void TotalsSeries::describe(const TotalsState& s, Variables& v) const {
    v("contador", s.totals.count)("valor", s.value)("suma", s.totals.sum);
    for (const auto& [box, shows] : report_)
        if (shows == Shows::Average) v("promedio", s.totals.average);
}

std::vector<Result> TotalsSeries::results() const {
    std::vector<Result> out;
    for (const auto& [box, shows] : report_) {
        switch (shows) {
        case Shows::Count: out.push_back({box, text(s.totals.count)}); break;
        case Shows::Sum: out.push_back({box, text(s.totals.sum)}); break;
        case Shows::Average: out.push_back({box, text(s.totals.average)}); break;
        }
    }
    return out;
}

}  // namespace ej
