#include "exercises/parity/parity_series.h"

#include <memory>
#include <utility>

#include "engine/exercise_window.h"
#include "exercises/common/class_tally.h"
#include "exercises/common/extreme.h"
#include "exercises/common/parity.h"

namespace ej::parity {
namespace {

// What one class keeps: its tally and, for a class that shows one, its extreme.
struct ClassState {
    ClassTally tally;
    Largest largest;
    Smallest smallest;
};

struct ParityState {
    Single value;  // the last value read
    Single count;  // the series counter: a single rising by exactly 1 per accepted value
    WorkingCopy copy;
    std::vector<ClassState> classes;
};

bool admitted(Admits rule, Single v) {
    switch (rule) {
    case Admits::WholeNonNegative:
        return isWholeNonNegative(v);
    case Admits::Whole:
        return v.isWhole();
    }
    return false;
}

bool joins(Joins rule, Single v, bool even) {
    switch (rule) {
    case Joins::Evens:
        return even;
    case Joins::Odds:
        return !even;
    case Joins::AboveZero:
        return v > Single(0.0f);
    case Joins::ZeroOrAbove:
        return v >= Single(0.0f);
    case Joins::ZeroOrBelow:
        return v <= Single(0.0f);
    }
    return false;
}

// Joins the value to the class, computing only what the class shows, so that a sum it
// does not show can never fault. `position` is the series counter, already raised.
void accumulate(Shows shows, ClassState& c, Single v, Single position) {
    switch (shows) {
    case Shows::CountSum:
        return c.tally.join(v);
    case Shows::CountSumAverage:
        return c.tally.joinAveraged(v);
    case Shows::LargestWithOrder:
        c.tally.join();
        c.largest.offer(v, position, c.tally.first());
        return;
    case Shows::SmallestWithOrder:
        c.tally.join();
        c.smallest.offer(v, position, c.tally.first());
        return;
    }
}

ClassName nameOf(Joins rule) {
    switch (rule) {
    case Joins::Evens:
        return kEvens;
    case Joins::Odds:
        return kOdds;
    case Joins::AboveZero:
    case Joins::ZeroOrAbove:
        return kPositives;
    case Joins::ZeroOrBelow:
        return kNegatives;
    }
    return {};
}

Kept keptBy(Shows shows) {
    switch (shows) {
    case Shows::CountSum:
        return Kept::CountSum;
    case Shows::CountSumAverage:
        return Kept::CountSumAverage;
    case Shows::LargestWithOrder:
    case Shows::SmallestWithOrder:
        return Kept::Count;
    }
    return Kept::Count;
}

std::vector<Single> shown(Shows shows, const ClassState& c) {
    switch (shows) {
    case Shows::CountSum:
        return {c.tally.count, c.tally.sum};
    case Shows::CountSumAverage:
        return {c.tally.count, c.tally.sum, c.tally.average};
    case Shows::LargestWithOrder:
        return {c.largest.value, c.largest.position};
    case Shows::SmallestWithOrder:
        return {c.smallest.value, c.smallest.position};
    }
    return {};
}

class ParityWindow final : public Exercise<ParityState> {
public:
    ParityWindow(const WindowDesign& design, ParitySeries series, const NumberFormat& format)
        : Exercise(design, format), series_(std::move(series)) {
        s = initial();
    }

private:
    ParityState initial() const override {
        return {.value = 0.0f, .count = 0.0f, .copy = {}, .classes = std::vector<ClassState>(series_.classes.size())};
    }

    SeriesLength seriesLength() const override { return SeriesLength::exactly(series_.count); }

    Step step(ParityState& s, const Entry& e) override {
        s.value = e.value;
        if (!admitted(series_.admits, s.value)) return Step::refused(notAsked(e.text));
        s.count += 1.0f;
        const bool even = s.copy.reduce(s.value);
        for (std::size_t i = 0; i < s.classes.size(); ++i) {
            const ClassResults& c = series_.classes[i];
            if (joins(c.joins, s.value, even)) accumulate(c.shows, s.classes[i], s.value, s.count);
        }
        return Step::completeWhen(s.count == Single(static_cast<float>(series_.count)));
    }

    // The value, the counter and the working copy; then every class's tally, and after
    // them the extremes with their orders of entry.
    void describe(const ParityState& s, Variables& v) const override {
        v("valor", s.value)("contador", s.count);
        s.copy.describe(v);
        for (std::size_t i = 0; i < s.classes.size(); ++i) {
            const ClassResults& c = series_.classes[i];
            s.classes[i].tally.describe(v, nameOf(c.joins).plural, keptBy(c.shows));
        }
        for (std::size_t i = 0; i < s.classes.size(); ++i) {
            const std::string_view cls = nameOf(series_.classes[i].joins).singular;
            if (series_.classes[i].shows == Shows::LargestWithOrder) s.classes[i].largest.describe(v, cls);
            if (series_.classes[i].shows == Shows::SmallestWithOrder) s.classes[i].smallest.describe(v, cls);
        }
    }

    std::vector<Result> results() const override {
        std::vector<Result> out;
        for (std::size_t i = 0; i < s.classes.size(); ++i) {
            const ClassResults& c = series_.classes[i];
            const bool empty = s.classes[i].tally.empty();
            const std::vector<Single> values = shown(c.shows, s.classes[i]);
            for (std::size_t k = 0; k < values.size(); ++k)
                out.push_back({c.boxes.at(k), empty ? c.emptyText : text(values[k])});
        }
        return out;
    }

    ParitySeries series_;
};

}  // namespace

RegisteredParityWindow::RegisteredParityWindow(const WindowDesign& design, const ParitySeries& series)
    : CatalogEntry(design.name, [design, series](const NumberFormat& format) {
          return std::make_unique<ParityWindow>(design, series, format);
      }) {}

}  // namespace ej::parity
