#pragma once

// The check of a student's algorithm against one of the program's exercise windows,
// named as the menu names it ("frmej24").
#include <string>

#include "engine/solution/check.h"

namespace ej {

solution::WindowMaker windowMaker(const std::string& window);

// The check's options for the window: values past 2^24 only where parity is asked.
solution::CheckOptions checkOptions(const std::string& window);

}  // namespace ej
