#pragma once

#include <string>
#include <utility>

#include "engine/exercise_window.h"
#include "exercises/common/parity.h"

namespace ej {

// Where a zero-terminated series stands. Short: too few values for the end mark to
// close it. Open: the end mark closes it, and more values are taken. Full: at its
// largest length, only the end mark is taken. Done: closed; the window is locked.
enum class SeriesPhase { Short, Open, Full, Done };

// The length of a series as its statement words it: "más de <lower> y menos de <upper>
// números", the end mark not counted.
struct Bounds {
    int lower = 0;
    int upper = 0;

    Single fullCount() const { return Single(static_cast<float>(upper - 1)); }
    SeriesPhase phaseAt(Single counter) const {
        if (counter <= Single(static_cast<float>(lower))) return SeriesPhase::Short;
        if (counter == fullCount()) return SeriesPhase::Full;
        return SeriesPhase::Open;
    }
};

// The whole numbers a window takes: any, or only those not below 0 (the windows
// that ask for "números enteros y positivos").
enum class Admits { Whole, WholeNonNegative };

inline const std::string kBelowMinimum = "Debe completar la cantidad mínima";
inline const std::string kAtMaximum = "Ya completó el máximo de la serie. Ingrese 0";

// The variables every bounded window keeps, followed by its own (Own). All start at 0.
template <class Own>
struct BoundedState : Own {
    Single value;    // the last value read, stored before it is judged
    Single counter;  // the values counted so far; the end mark is never one of them
    bool done = false;

    // "valor" and "contador", the same in every window.
    void describeSeries(Variables& v) const { v("valor", value)("contador", counter); }
    // Then the window's own variables, where they declare themselves.
    void describe(Variables& v) const
        requires requires(const Own& own, Variables& vars) { own.describe(vars); }
    {
        describeSeries(v);
        Own::describe(v);
    }
};

// A window that reads a series of whole numbers ended by 0, whose length lies strictly
// between two bounds. It supplies its accumulation and its results; the reading of
// the series, with its refusals, is the same in all of them.
template <class Own>
class BoundedExercise : public Exercise<BoundedState<Own>> {
public:
    BoundedExercise(WindowDesign design, const NumberFormat& format, Bounds bounds, Admits admits,
                    Wording wording = {})
        : Exercise<BoundedState<Own>>(std::move(design), format, std::move(wording)),
          bounds_(bounds),
          admits_(admits) {}

    // "más de <lower> y menos de <upper>": lower + 1 to upper - 1 values.
    SeriesLength seriesLength() const final { return {bounds_.lower + 1, bounds_.upper - 1}; }

protected:
    // Takes a counted value; `order` is its order of entry, the series counter just raised.
    virtual void accumulate(Own& own, Single value, Single order) = 0;

private:
    bool admitted(Single v) const { return admits_ == Admits::Whole ? v.isWhole() : isWholeNonNegative(v); }

    Step step(BoundedState<Own>& s, const Entry& e) final {
        const SeriesPhase phase = s.done ? SeriesPhase::Done : bounds_.phaseAt(s.counter);
        // A Done window is locked and takes no entry; should one reach it anyway, it
        // shows its results again and nothing changes.
        if (phase == SeriesPhase::Done) return Step::complete();
        s.value = e.value;
        if (!admitted(s.value)) return Step::refused(this->notAsked(e.text));
        if (s.value == Single(0.0f)) {
            if (phase == SeriesPhase::Short) return Step::refused(kBelowMinimum);
            s.done = true;
            return Step::complete();
        }
        if (phase == SeriesPhase::Full) return Step::refused(kAtMaximum);
        s.counter += 1.0f;
        accumulate(s, s.value, s.counter);
        return Step::more();
    }

    Bounds bounds_;
    Admits admits_;
};

}  // namespace ej
