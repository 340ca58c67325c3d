#include "shell/exercise_check.h"

#include <algorithm>

#include "shell/catalog.h"
#include "shell/topics.h"

namespace ej {

solution::WindowMaker windowMaker(const std::string& window) {
    return [window](const NumberFormat& format) { return exerciseWindow(window, format); };
}

solution::CheckOptions checkOptions(const std::string& window) {
    solution::CheckOptions options;
    const auto parity = std::find_if(topics().begin(), topics().end(), [](const Topic& t) { return t.name == "pares e impares"; });
    if (std::count(parity->windows.begin(), parity->windows.end(), window)) return options;
    // No series of 35 values below this sums past 2^24.
    options.plainFrom = 250000;
    // The net wage is a product rounded to a single before its cents go up: on larger
    // amounts a student who writes it in one expression, as PSeInt computes it, may pay
    // a peso more or less than the window.
    if (window == "frmej66") options.plainFrom = 100000;
    return options;
}

}  // namespace ej
