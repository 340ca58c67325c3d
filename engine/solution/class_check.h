#pragma once

// A teacher's check of a class's files for one exercise, at the console: one line per
// file, "coincide", the first difference, or the file's first error at its place.
#include <iosfwd>
#include <string>
#include <vector>

#include "engine/solution/check.h"

namespace ej::solution {

// The exit status: 0 when every file agrees, 1 when one differs or has errors, 66 when
// one cannot be read.
int checkFiles(const WindowMaker& window, const std::vector<std::string>& files, const CheckOptions& options,
               std::ostream& out, std::ostream& err);

}  // namespace ej::solution
