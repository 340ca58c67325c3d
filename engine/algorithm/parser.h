#pragma once

// Reads an algorithm's text into its tree. Every fault of the text is reported in one
// pass, each at its token with what was expected and what was found; after a fault the
// parser goes on from the next line, and a block left open is named with its line.
#include <string_view>
#include <vector>

#include "engine/algorithm/diagnostic.h"
#include "engine/algorithm/syntax.h"

namespace ej::algorithm {

struct Parsed {
    Module module;
    std::vector<Diagnostic> errors;  // in the order of the text
};

Parsed parse(std::string_view source);

}  // namespace ej::algorithm
