#pragma once

#include <string>
#include <vector>

namespace ui {

// For each line of an algorithm's text, the line that opens the innermost loop or
// decision holding it (its `Mientras`, `Para`, `Repetir`, `Si` or `Segun`): line L at
// index L - 1, 0 for a line in none.
std::vector<int> enclosingBlocks(const std::vector<std::string>& lines);

}  // namespace ui
