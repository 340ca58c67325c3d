#include "engine/trial_series.h"

#include <array>
#include <iterator>

namespace ej {

namespace {

using Texts = std::vector<std::string>;

int between(std::mt19937& random, int low, int high) {
    return low + static_cast<int>(random() % static_cast<unsigned>(high - low + 1));
}

std::string pick(const Texts& texts, std::mt19937& random) { return texts[random() % texts.size()]; }

// A small whole number from one class of sign and parity.
std::string ofClass(char sign, char parity, std::mt19937& random) {
    if (sign == '0') return "0";
    int magnitude = 2 * between(random, 1, 9) - (parity == 'i' ? 1 : 0);
    return std::to_string(sign == '-' ? -magnitude : magnitude);
}

std::string positive(std::mt19937& random) { return std::to_string(between(random, 1, 20)); }

// What a window may refuse, or not: fractions (one between the bounds of a window that asks
// for a number from 6 to 14), signs, 0, huge and overflowing values, texts that are not numbers.
const Texts kProbes{"2.5", "7.5", "-3", "0", "-0.5", "1e39", "abc", "", "16777217", "33554440", "-0"};

// Texts past 2^24, where a single no longer holds every whole number.
const Texts kHuge{"16777216", "16777217", "16777218", "16777219", "33554432", "33554436",
                  "33554440", "2147483904", "1e10", "-16777217", "-33554436"};

// Two refusals in a row end the series where it can end: a full bounded series refuses
// every value but its end mark. A refused end mark is followed by one more value.
TrialSeries endingWhenStuck(std::string name, std::function<std::string(std::mt19937&)> value) {
    return {std::move(name), [value = std::move(value)](const Progress& p, std::mt19937& r) {
                if (p.refusedInARow < 2) return value(r);
                return p.lastText == "0" ? positive(r) : std::string("0");
            }};
}

TrialSeries constant(std::string name, Texts texts) {
    return endingWhenStuck(std::move(name), [texts](std::mt19937& r) { return pick(texts, r); });
}

// After `accepted` values, each probe in turn, then values to the end.
TrialSeries probesAfter(int accepted) {
    return {"rechazos tras " + std::to_string(accepted) + " valores",
            [accepted](const Progress& p, std::mt19937& r) {
                const int probe = p.presses - accepted;
                if (p.accepted < accepted || probe < 0 || probe >= static_cast<int>(kProbes.size()))
                    return positive(r);
                return kProbes[static_cast<std::size_t>(probe)];
            }};
}

// After `count` values, the end mark; each time it is refused, one value more and the
// end mark again. Through the bounds of a bounded series this tries the end mark
// below, at and above the lower bound.
TrialSeries endMarkAfter(int count) {
    return {"fin tras " + std::to_string(count) + " valores", [count](const Progress& p, std::mt19937& r) {
                if (p.accepted < count) return positive(r);
                return p.lastText == "0" && p.refusedInARow > 0 ? positive(r) : std::string("0");
            }};
}

}  // namespace

std::vector<TrialSeries> teacherSeries() {
    std::vector<TrialSeries> all;
    for (int accepted : {0, 1, 3, 8, 12, 17}) all.push_back(probesAfter(accepted));
    for (int count = 0; count <= 24; ++count) all.push_back(endMarkAfter(count));
    // Values until the window refuses one twice (a full bounded series), then the end mark.
    all.push_back(endingWhenStuck("serie llena y uno más", positive));
    all.push_back(endingWhenStuck("todos negativos", [](std::mt19937& r) { return std::to_string(-between(r, 1, 20)); }));
    for (const char* same : {"7", "-7", "4"}) all.push_back(constant(std::string("todos ") + same, {same}));
    all.push_back(constant("empates de los extremos", {"3", "9", "3", "9", "5"}));
    all.push_back(constant("empates de los extremos negativos", {"-3", "-9", "-3", "-9", "-5"}));
    // Beyond any number a student may start an extreme with, as 99999 or -99999, and
    // small enough that no sum of a series passes 2^24.
    all.push_back(endingWhenStuck("todos grandes", [](std::mt19937& r) { return std::to_string(between(r, 100000, 150000)); }));
    all.push_back(endingWhenStuck("todos grandes negativos",
                                  [](std::mt19937& r) { return std::to_string(-between(r, 100000, 150000)); }));
    // Each class of sign and parity alone, and each two together: every other class empty.
    const std::array<std::pair<char, char>, 5> classes{{{'+', 'p'}, {'+', 'i'}, {'-', 'p'}, {'-', 'i'}, {'0', 'p'}}};
    for (std::size_t a = 0; a < classes.size(); ++a)
        for (std::size_t b = a; b < classes.size(); ++b) {
            if (classes[a].first == '0' && a == b) continue;  // only the end mark: never ends
            all.push_back(endingWhenStuck("clases " + std::to_string(a) + std::to_string(b),
                                          [x = classes[a], y = classes[b]](std::mt19937& r) {
                                              const auto& c = r() % 2 ? x : y;
                                              return ofClass(c.first, c.second, r);
                                          }));
        }
    all.push_back(endingWhenStuck("valores mayores que 2^24",
                                  [](std::mt19937& r) { return r() % 3 ? pick(kHuge, r) : positive(r); }));
    all.push_back(constant("con decimales", {"2.5", "-0.5", "0.1", "7", "-3", "1.5E+07"}));
    return all;
}

TrialSeries randomSeries() {
    return {"al azar", [](const Progress&, std::mt19937& r) {
                static const Texts kOdd{"2.5", "-7.25", "0.5", "-0", "1e3", " 8 ", "16777215", "16777217",
                                        "33554438", "33554440", "2147483904", "99999999999", "3e38", "-3e38",
                                        "1e39", "", "abc", "12abc", "-", "&H10", "1.5E+07", "0.1"};
                const int kind = between(r, 0, 99);
                if (kind < 55) return positive(r);
                if (kind < 70) return std::to_string(-between(r, 1, 20));
                if (kind < 82) return std::string("0");
                return pick(kOdd, r);
            }};
}

}  // namespace ej
