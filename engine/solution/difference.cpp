#include "engine/solution/difference.h"

namespace ej::solution {

std::string shownTyped(const std::string& typed) { return typed.empty() ? std::string("(vacío)") : typed; }

std::string Difference::text() const {
    std::string out;
    if (typed.empty()) {
        out = "Al empezar, ";
    } else {
        if (typed.size() > 1) {
            out = "Con ";
            for (std::size_t i = 0; i < typed.size(); ++i) {
                if (i > 0) out += "; ";
                out += shownTyped(typed[i]);
            }
            out += ", en";
        } else {
            out = "En";
        }
        out += " el ingreso ";
        out += std::to_string(typed.size());
        out += " (";
        out += shownTyped(typed.back());
        out += ") ";
    }
    out += window;
    out += "; ";
    out += algorithm;
    if (out.back() != '.' && out.back() != '?' && out.back() != '!') out += '.';
    return out;
}

}  // namespace ej::solution
