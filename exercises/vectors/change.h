#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "engine/exercise_window.h"
#include "engine/single.h"
#include "engine/trace.h"
#include "exercises/vectors/vector.h"

namespace ej::vectors {

// Change-making for wage payments: the notes of 100, 50, 20, 10, 5 and 2 and the coin
// of 1, largest first.
inline constexpr std::array<float, 7> kDenominations{100, 50, 20, 10, 5, 2, 1};

// The count of each note and coin over all the wages of a series.
struct Change {
    std::array<Single, kDenominations.size()> counts{};
    Single remainder;

    // The breakdown of a whole amount, not negative, whose breakdown ends: for each
    // denomination d, largest first, while the remainder is d or more, d is subtracted
    // from it and the count of d rises by 1, each result held as a single. The counts
    // are those of that loop, reached without taking its steps one by one.
    void breakDown(Single amount);
    // The breakdown of every amount of a vector, in subscript order. After each one
    // `afterCut` receives the desk check's label of its row, "corte del importe k", but
    // only for the last Trace::kMaxRows amounts: the desk check keeps no more rows, so
    // the rows of a longer series would be built only to be dropped.
    void breakDownEach(const Vector& amounts, const std::function<void(std::string)>& afterCut);

    // "resto", then the counts: "billetes de 100" ... "billetes de 2", "monedas de 1".
    void describe(Variables& v) const;

    // The counts, largest denomination first, in the window's boxes numbered on from
    // `first`.
    std::vector<Result> results(const WindowDesign& window, int first, const NumberFormat& format) const;
};

// Whether the breakdown of an amount ends. From 2^31 + 256 up, subtracting 100 from a
// single gives it back unchanged, and the breakdown would go on for ever.
bool breakdownEnds(Single amount);

// A gross wage less 17 % social charges, the cents rounded up: the gross times 0.83,
// held as a single, plus 0.99, floored. A fraction below one cent is dropped.
Single netAmount(Single gross);

}  // namespace ej::vectors
