#pragma once

// The solutions of tests/solutions, written as students write them, built into the tests.
#include <string_view>
#include <vector>

namespace ej::solution {

struct StudentFile {
    std::string_view name;  // "24_otro_orden": the exercise's number, then what the file tries
    std::string_view source;
};

const std::vector<StudentFile>& studentFiles();

}  // namespace ej::solution
