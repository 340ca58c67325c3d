#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/number_format.h"

namespace ej {

// The four conversions between the text of a box and numbers. Texts are UTF-8.

// The numeric test: the whole text, apart from leading and trailing blanks, is one
// number: an optional sign, digits, optionally a decimal separator (the format's or
// ".") and digits, optionally an exponent ("E" or "e", an optional sign, digits).
// Thousands separators are no part of a number.
bool isNumeric(std::string_view text, const NumberFormat& format);

// The value read: the leading number of the text, with the format's decimal separator
// or "." as its decimal point, correctly rounded; a text with no number at its start
// reads as 0. A text that passes the numeric test reads as the number the test saw.
double readValue(std::string_view text, const NumberFormat& format);

// The single text form: seven significant digits, the format's decimal separator.
std::string singleText(float value, const NumberFormat& format);

// The integer text form of a 16-bit count.
std::string integerText(std::int16_t value);

}  // namespace ej
