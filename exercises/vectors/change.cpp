#include "exercises/vectors/change.h"

#include <algorithm>
#include <cmath>

#include "engine/conversions.h"
#include "exercises/vectors/vector_window.h"

namespace ej::vectors {

namespace {

// Adding 1 to a single is exact up to 2^24; there the sum rounds back to 2^24.
constexpr double kLastCount = 16777216.0;

// The lowest power of 2 not above r: the rounding grid is fixed from there to twice it.
double binadeBottom(float r) {
    int e = 0;
    std::frexp(r, &e);
    return std::ldexp(1.0, e - 1);
}

struct Subtracted {
    double times;
    float left;
};

// The loop "while r >= d: r = r - d", each difference rounded to a single. Within one
// binade every difference rounds on the same grid; the size of a step then depends
// only on the grid's parity at r when d falls half way between two grid points, and
// once two steps running have the same size, every further step has it too while the
// difference stays in the binade. Such a run is taken in one go.
Subtracted subtractWhileAtLeast(float r, float d) {
    double times = 0;
    double lastStep = 0;  // the last step's size, when its difference fell on r's grid
    while (r >= d) {
        const double bottom = binadeBottom(r);
        const double difference = static_cast<double>(r) - d;  // exact
        const float next = r - d;
        const double step = static_cast<double>(r) - next;
        if (step == 0) throw ArithmeticFault{};  // the loop would never end
        const bool onGrid = difference >= bottom;
        if (onGrid && step == lastStep) {
            const double run = std::floor((difference - bottom) / step) + 1;
            r = static_cast<float>(static_cast<double>(r) - run * step);
            times += run;
        } else {
            r = next;
            times += 1;
        }
        lastStep = onGrid ? step : 0;
    }
    return {times, r};
}

}  // namespace

void Change::breakDown(Single amount) {
    remainder = amount;
    for (std::size_t i = 0; i < kDenominations.size(); ++i) {
        const Subtracted s = subtractWhileAtLeast(remainder.value(), kDenominations[i]);
        remainder = s.left;
        counts[i] = static_cast<float>(std::min(static_cast<double>(counts[i].value()) + s.times, kLastCount));
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
