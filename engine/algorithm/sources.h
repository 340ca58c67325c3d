#pragma once

#include <string>
#include <string_view>

namespace ej::algorithm {

// The algorithm of an exercise window (frmej13.psc for frmej13), built into the
// program from the exercises' .psc files; empty for a window without one.
std::string_view source(std::string_view window);

// The same, as the program was built with it.
std::string_view builtInSource(std::string_view window);

// From now on, each algorithm is read from FOLDER/<family>/<window>.psc (the layout of
// the exercises' folder) where such a file exists: a developer tries a change in an
// algorithm without building again. Never called by the program itself.
void readSourcesFrom(std::string folder);

}  // namespace ej::algorithm
