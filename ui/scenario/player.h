#pragma once

#include <string>

namespace scenario {

// Plays one scenario file on a fresh start of the program, on Qt's offscreen platform,
// through the events a user causes. Prints "ok FILE" or "FAIL FILE:LINE: ..." and
// returns whether it passed. Needs a QApplication. With `traces`, every exercise window
// has its desk check open from the moment it opens, as if F2 had been pressed there.
bool play(const std::string& file, bool traces = false);

}  // namespace scenario
