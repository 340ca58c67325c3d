#pragma once

#include <string>
#include <vector>

namespace ej::testing {

// The texts "from", "from + 1", ... "to" (or down to "to").
inline std::vector<std::string> counting(int from, int to) {
    std::vector<std::string> v;
    for (int i = from;; i += from <= to ? 1 : -1) {
        v.push_back(std::to_string(i));
        if (i == to) break;
    }
    return v;
}

// The vector text of whole values: each preceded by one blank.
inline std::string vectorText(const std::vector<std::string>& elements) {
    std::string out;
    for (const auto& e : elements) out += " " + e;
    return out;
}

inline std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

}  // namespace ej::testing
