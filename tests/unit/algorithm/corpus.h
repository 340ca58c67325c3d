#pragma once

// The example programs of tests/corpus, built into the tests.
#include <string_view>
#include <vector>

namespace ej::algorithm {

struct CorpusProgram {
    std::string_view group;  // "programs" or "errors"
    std::string_view name;
    std::string_view source, input, output, faults, pseint;
};

const std::vector<CorpusProgram>& corpus();

}  // namespace ej::algorithm
