#pragma once

#include <string>

namespace ej {

// The separators of the user's locale, as UTF-8 text. The user interface reads them
// once at start and hands them down; nothing below the user interface reads the locale.
// The conversions use the decimal separator only: numbers are typed and shown without
// thousands separators.
struct NumberFormat {
    std::string decimal = ",";
    std::string thousands = ".";
};

}  // namespace ej
