#include "exercises/vectors/change.h"

#include <cmath>

#include "engine/conversions.h"
#include "engine/stepping.h"
#include "exercises/vectors/vector_window.h"

namespace ej::vectors {

void Change::breakDown(Single amount) {
    remainder = amount;
    for (std::size_t i = 0; i < kDenominations.size(); ++i) {
        const float d = kDenominations[i];
        const Walk w = walkWhile(remainder.value(), -d, Relation::GreaterEqual, d);
        if (w.stalled) throw ArithmeticFault{};  // the loop would never end
        remainder = w.last;
        // Adding 1 to a single is exact up to 2^24; there the count stays.
        counts[i] = walkTimes(counts[i].value(), 1, w.passes);
    }
}

void Change::breakDownEach(const Vector& amounts, const std::function<void(std::string)>& afterCut) {
    // A whole count: a single stops rising at 2^24, where the last subscript may stand.
    const auto n = static_cast<long>(amounts.last().value());
    const long firstShown = n - static_cast<long>(Trace::kMaxRows);
    for (long k = 1; k <= n; ++k) {
        breakDown(amounts[static_cast<float>(k)]);
        if (k > firstShown) afterCut(words("corte del importe", std::to_string(k)));
    }
}

void Change::describe(Variables& v) const {
    v("resto", remainder);
    for (std::size_t i = 0; i < counts.size(); ++i) {
        const int d = static_cast<int>(kDenominations[i]);
        v((d == 1 ? "monedas de " : "billetes de ") + std::to_string(d), counts[i]);
    }
}

std::vector<Result> Change::results(const WindowDesign& window, int first, const NumberFormat& format) const {
    std::vector<Result> out;
    for (std::size_t i = 0; i < counts.size(); ++i)
        out.push_back({boxOf(window, first + static_cast<int>(i)), singleText(counts[i].value(), format)});
    return out;
}

bool breakdownEnds(Single amount) {
    constexpr float kLastEnding = 2147483648.0f;  // 2^31; the next single is 2^31 + 256
    return amount <= Single(kLastEnding);
}

Single netAmount(Single gross) {
    const Single deducted = toSingle(static_cast<double>(gross.value()) * 0.83);
    return toSingle(std::floor(static_cast<double>(deducted.value()) + 0.99));
}

}  // namespace ej::vectors
