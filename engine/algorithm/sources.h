#pragma once

#include <string_view>

namespace ej::algorithm {

// The algorithm of an exercise window (frmej13.psc for frmej13), built into the
// program from the exercises' .psc files; empty for a window without one.
std::string_view source(std::string_view window);

}  // namespace ej::algorithm
