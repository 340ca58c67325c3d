#pragma once

#include <string>
#include <string_view>

#include "engine/single.h"
#include "engine/trace.h"

namespace ej {

// A class as a desk check names its variables: "cantidad pares" (plural), "mayor par"
// (singular).
struct ClassName {
    std::string_view plural;
    std::string_view singular;
};
inline constexpr ClassName kEvens{"pares", "par"};
inline constexpr ClassName kOdds{"impares", "impar"};
inline constexpr ClassName kPositives{"positivos", "positivo"};
inline constexpr ClassName kNegatives{"negativos", "negativo"};

// Which of a tally's variables a window keeps, and so shows in its desk check.
enum class Kept { Count, CountSum, CountSumAverage };

// The count, sum and running average of one class of values (positives, evens...),
// all singles. A window calls the join that matches what it tracks, so that it never
// computes, and never faults on, a sum it does not keep.
struct ClassTally {
    Single count;
    Single sum;
    Single average;

    void join() { count += 1.0f; }
    void join(Single value) {
        join();
        sum += value;
    }
    // The average is recomputed right after the count rose, so it never divides by 0.
    void joinAveraged(Single value) {
        join(value);
        average = sum / count;
    }
    bool empty() const { return count == Single(0.0f); }
    bool first() const { return count == Single(1.0f); }

    // "cantidad <cls>", then "suma <cls>" and "promedio <cls>" as far as `kept` says.
    void describe(Variables& v, std::string_view cls, Kept kept) const {
        v(words("cantidad", cls), count);
        if (kept != Kept::Count) v(words("suma", cls), sum);
        if (kept == Kept::CountSumAverage) v(words("promedio", cls), average);
    }
};

}  // namespace ej
