#pragma once

// The captions each window's algorithm writes before its results, in the order of the
// window's result boxes: the agreement test holds the algorithms to them, so that a
// caption changed by mistake is seen.
#include <string>
#include <vector>

namespace ej::testing {

// Null for a window with none listed.
const std::vector<std::string>* resultCaptions(const std::string& window);

}  // namespace ej::testing
