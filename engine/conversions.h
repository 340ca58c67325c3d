#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/number_format.h"

namespace ej {

// The four conversions between the text of a box and numbers. Texts are UTF-8.

// The numeric test: the whole text, apart from leading and trailing blanks, is one
// number written with the format's separators.
bool isNumeric(std::string_view text, const NumberFormat& format);

// The value read: the leading number of the text, "." as its only decimal point,
// whatever the format; a text with no number at its start reads as 0.
double readValue(std::string_view text);

// The single text form: seven significant digits, the format's decimal separator.
std::string singleText(float value, const NumberFormat& format);

// The integer text form of a 16-bit count.
std::string integerText(std::int16_t value);

}  // namespace ej
