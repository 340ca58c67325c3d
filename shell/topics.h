#pragma once

// The exercises by topic, for a student who looks for "los de vectores" rather than a
// number: read from each exercise's statement, so that a new exercise finds its topics
// without a list to keep.
#include <string>
#include <vector>

namespace ej {

struct Topic {
    std::string name;                  // "pares e impares"
    std::vector<std::string> windows;  // in the menu's order: "frmej19", "frmej20", …
};

// Every topic, in the order a course meets them; each exercise is in one or more.
const std::vector<Topic>& topics();

}  // namespace ej
