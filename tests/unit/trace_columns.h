#pragma once

// A window's desk check read the way a student reads it: down one column.
#include <algorithm>

#include "tests/unit/harness.h"

namespace ej::testing {

// The texts under a header ("Ingresado", "Resultado" or a variable), oldest row first,
// or only the newest `newest` of them.
inline std::vector<std::string> column(const Opened& w, const std::string& header, std::size_t newest = 0) {
    const std::vector<std::string> headers = w.window().trace().headers();
    const auto at = std::find(headers.begin(), headers.end(), header) - headers.begin();
    std::vector<std::string> texts;
    for (const TraceRow& r : w.window().trace().rows())
        texts.push_back(at == 1 ? r.entered : at == 2 ? r.result : r.values.at(at - 3));
    return {texts.end() - static_cast<std::ptrdiff_t>(newest ? newest : texts.size()), texts.end()};
}

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

}  // namespace ej::testing
