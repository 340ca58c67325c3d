#pragma once

#include <string>
#include <utility>
#include <vector>

#include "engine/exercise_window.h"
#include "exercises/common/class_tally.h"
#include "exercises/common/parity.h"
#include "exercises/vectors/sorting.h"
#include "exercises/vectors/vector.h"

namespace ej::vectors {

// The first part of every vector window's state: the value last read, the series
// counter (a single) and the vector that the counter fills, subscripts 1 to N.
struct StoredSeries {
    Single value;
    Single counter;
    Vector vector;

    explicit StoredSeries(Single n) : vector(n) {}

    // Counts the value and stores it at the subscript of the new counter.
    void store(Single v) {
        value = v;
        counter += 1.0f;
        vector[counter] = value;
    }
    Single latest() const { return vector[counter]; }
    bool full() const { return counter == vector.last(); }

    void describe(Variables& v) const {
        v("valor", value)("contador", counter)("vector", vector.leadingText(v.format()));
    }
};

// A stored series that its window sorts once it is full, with the variables of the
// sort; the series counter serves as its outer index.
struct SortedSeries : StoredSeries {
    using StoredSeries::StoredSeries;
    SortVariables sorting;  // activation sets the swap flag back to 1

    void sort(Sorting how, const AfterPass& afterPass = {}) {
        vectors::sort(vector, how, counter, sorting, afterPass);
    }
};

// The name of box kk of a window: txtejNNkk.
inline std::string boxOf(const WindowDesign& design, int kk) {
    return "txtej" + design.name.substr(5) + (kk < 10 ? "0" : "") + std::to_string(kk);
}

// An admission rule of a vector window: a value that fails it is refused with
// " no es lo pedido".
using Admission = bool (*)(Single value);

inline bool anyValue(Single) { return true; }
inline bool wholeNumber(Single v) { return v.isWhole(); }
inline bool wholeNonNegative(Single v) { return isWholeNonNegative(v); }

// A window that stores a fixed number of values in a vector. Each accepted value is
// stored at the next subscript and accumulated; when the vector is full the window
// does its closing work (sorting, classing...) and shows the vector text in its
// vector box (txtejNN02), then its own results. State holds a StoredSeries `series`.
template <class State>
class VectorWindow : public Exercise<State> {
protected:
    VectorWindow(WindowDesign design, const NumberFormat& format, Admission admission, Wording wording = {})
        : Exercise<State>(std::move(design), format, std::move(wording)), admission_(admission) {}

    SeriesLength seriesLength() const final {
        return SeriesLength::exactly(static_cast<int>(this->s.series.vector.last().value()));
    }

    // The window's accumulation of the element just stored.
    virtual void accumulate(State&, Single /*element*/) {}
    // The work done once the N-th value is stored, before the completion step.
    virtual void finish(State&) {}
    // Whether the closing work can be done with an admitted value: a value for which
    // it would never end is refused ahead of the rules the algorithm writes.
    virtual bool workable(Single /*value*/) const { return true; }
    // The results written after the vector text, in writing order.
    virtual std::vector<Result> statistics() const { return {}; }

    // Sorts the series; the desk check shows the state as the sort begins, then a row
    // per pass with the vector after it: "pasada 1", "pasada 2"...
    void sortByPasses(State& s, Sorting how) {
        this->loopBegins(s);
        int pass = 0;
        s.series.sort(how, [&] { this->loopPass(words("pasada", std::to_string(++pass)), s); });
    }

    // A class's count, sum and average boxes, or its empty-class text in all three.
    void addTally(std::vector<Result>& out, const ClassTally& t, const std::string& emptyText,
                  const std::string& countBox, const std::string& sumBox, const std::string& averageBox) const {
        this->addClass(out, t.empty(), emptyText, {{countBox, t.count}, {sumBox, t.sum}, {averageBox, t.average}});
    }

private:
    Step step(State& s, const Entry& e) final {
        s.series.value = e.value;
        if (!admission_(e.value)) return Step::refused(this->notAsked(e.text));
        if (!workable(e.value)) return Step::refusedUnread(this->notAsked(e.text));
        s.series.store(e.value);
        accumulate(s, s.series.latest());
        if (!s.series.full()) return Step::more();
        finish(s);
        return Step::complete();
    }

    std::vector<Result> results() const final {
        // The vector box is the first result box.
        std::vector<Result> out{{this->resultBoxes_.front(), this->s.series.vector.text(this->format())}};
        for (auto& r : statistics()) out.push_back(std::move(r));
        return out;
    }

    Admission admission_;
};

}  // namespace ej::vectors
