#include "engine/stepping.h"

#include <cmath>

namespace ej {

bool holds(double value, Relation relation, double bound) {
    switch (relation) {
    case Relation::Less:
        return value < bound;
    case Relation::LessEqual:
        return value <= bound;
    case Relation::Greater:
        return value > bound;
    case Relation::GreaterEqual:
        return value >= bound;
    }
    return false;
}

namespace {

// The binade of a non-zero value with its sign: within one binade singles lie on one
// evenly spaced grid. Zero has none of its own.
struct Binade {
    int exponent = 0;
    bool negative = false;
    bool zero = true;
    bool operator==(const Binade&) const = default;
};

Binade binadeOf(double v) {
    if (v == 0 || !std::isfinite(v)) return {};
    int e = 0;
    std::frexp(v, &e);
    return {e, v < 0, false};
}

bool sameBinade(Binade a, double v) { return !a.zero && binadeOf(v) == a; }

// One walk for both entry points: while the test holds (when there is one) and fewer
// than `limit` steps were taken. Within one binade every sum rounds on the same grid,
// so a step's size depends only on the grid's parity at x when the sum falls half way
// between two grid points; once two steps running have the same size, every further
// step has it too while the sums stay in the binade. Such a run is taken in one go.
Walk walk(float x, double step, const Relation* relation, double bound, double limit) {
    Walk w{0, x, false};
    double lastStep = 0;
    auto going = [&](double v) { return !relation || holds(v, *relation, bound); };
    while (w.passes < limit && going(w.last)) {
        const double from = w.last;
        const double sum = from + step;
        const float next = static_cast<float>(sum);
        if (next == w.last) {
            w.stalled = true;
            return w;
        }
        const double size = static_cast<double>(next) - from;
        const Binade here = binadeOf(from);
        const bool onGrid = sameBinade(here, sum) && sameBinade(here, next);
        if (onGrid && size == lastStep) {
            // The longest run from here: every value it starts a step from keeps the
            // test, and every sum and result stays in this binade.
            auto fits = [&](double k) {
                const double start = from + (k - 1) * size;
                return going(start) && sameBinade(here, start + step) && sameBinade(here, start + size) &&
                       w.passes + k <= limit;
            };
            double lo = 1, hi = 1;
            while (fits(hi * 2) && hi < 0x1p40) hi *= 2;
            hi *= 2;  // fits(lo) holds and fits(hi) does not
            while (hi - lo > 1) {
                const double mid = std::floor((lo + hi) / 2);
                (fits(mid) ? lo : hi) = mid;
            }
            w.last = static_cast<float>(from + lo * size);
            w.passes += lo;
        } else {
            w.last = next;
            w.passes += 1;
        }
        lastStep = onGrid ? size : 0;
    }
    return w;
}

// a modulo d in [0, d), exact for any double a and a whole d.
double modulo(double a, double d) {
    const double r = std::fmod(a, d);
    return r < 0 ? r + d : r;
}

}  // namespace

Walk walkWhile(float x, double step, Relation relation, double bound) {
    return walk(x, step, &relation, bound, INFINITY);
}

float walkTimes(float x, double step, double times) { return walk(x, step, nullptr, 0, times).last; }

ExactWalk exactWalkWhile(double x, double step, Relation relation, double bound) {
    if (!holds(x, relation, bound)) return {0, x};
    const bool rising = relation == Relation::Less || relation == Relation::LessEqual;
    if (step == 0 || (step > 0) != rising) return {-1, x};
    const double d = std::fabs(step);
    // Distance to the bound in steps, and the value the last step leaves: computed from
    // remainders, which are exact, so a value far beyond 2^53 still ends exactly.
    const double gap = rising ? bound - x : x - bound;
    const bool strict = relation == Relation::Less || relation == Relation::Greater;
    double passes = strict ? std::ceil(gap / d) : std::floor(gap / d) + 1;
    const double rest = modulo(modulo(x, d) - modulo(bound, d), d);  // (x - bound) mod d
    // The last value lies within one step beyond the bound, on x's residue class.
    double last = 0;
    if (rising)
        last = strict ? bound + rest : bound + d - modulo(-rest, d);
    else
        last = strict ? bound - modulo(-rest, d) : bound - d + rest;
    if (passes < 1) passes = 1;
    return {passes, last};
}

}  // namespace ej
