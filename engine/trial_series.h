#pragma once

// The series a teacher types into an exercise window to try an algorithm against it:
// not only random values, which rarely meet the cases that matter, but each refusal
// the window can make, the end mark around each bound of a bounded series, all
// negatives, all equal, ties for each extreme, an empty class for each class, values
// past 2^24. A series is a plan, not a list: what to type next depends on how the
// window took what came before (a refused end mark is followed by one more value).
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace ej {

// How the window has taken the series so far.
struct Progress {
    int presses = 0;
    int accepted = 0;           // presses the window took without a message
    int refusedInARow = 0;      // presses refused since the last accepted one
    std::string lastText;       // the text of the last press

    // One more press, and whether the window refused it.
    void took(const std::string& text, bool refused) {
        ++presses;
        lastText = text;
        accepted += refused ? 0 : 1;
        refusedInARow = refused ? refusedInARow + 1 : 0;
    }
};

struct TrialSeries {
    std::string name;  // in Spanish, as it is shown: "todos negativos"
    // The text of the next press.
    std::function<std::string(const Progress&, std::mt19937&)> next;
};

// The teacher's series, the same for every window: what does not apply to a window
// (an end mark to a fixed-count series) is simply one more value to it.
std::vector<TrialSeries> teacherSeries();

// A series of random texts: mostly small whole numbers of either sign and 0, now and
// then a fraction, a huge value, an overflow or a text that is not a number.
TrialSeries randomSeries();

}  // namespace ej
