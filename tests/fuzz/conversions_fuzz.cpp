// libFuzzer target for the conversions: no crash and no undefined behaviour on any
// text; every text that passes the numeric test reads as the number the test
// recognised, bit for bit; and the single text form of any finite single, read back by
// the value read, shows the same seven significant digits.
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "engine/conversions.h"
#include "engine/single.h"

namespace {

const ej::NumberFormat kFormats[] = {{",", "."}, {".", ","}, {"\u066b", "\u202f"}};

// The number of a text that passed the numeric test, read by the C library: blanks
// trimmed and the format's decimal separator made a point. The process keeps the "C"
// locale, so strtod knows only the point.
double recognised(const std::string& text, const ej::NumberFormat& f) {
    const auto first = text.find_first_not_of(" \t");
    std::string number = text.substr(first, text.find_last_not_of(" \t") + 1 - first);
    if (const auto at = number.find(f.decimal); at != std::string::npos) number.replace(at, f.decimal.size(), ".");
    char* end = nullptr;
    const double value = std::strtod(number.c_str(), &end);
    if (end != number.c_str() + number.size()) std::abort();  // the test passed what is no number
    return value;
}

std::string sevenDigits(double v) {
    char buf[40];
    const auto end = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 6).ptr;
    return std::string(buf, end);
}

void roundTrip(float x, const ej::NumberFormat& f) {
    const std::string shown = ej::singleText(x, f);
    if (!ej::isNumeric(shown, f)) std::abort();
    // -0 is shown as 0.
    if (sevenDigits(ej::readValue(shown, f)) != sevenDigits(x == 0.0f ? 0.0 : x)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    for (const auto& f : kFormats) {
        const double read = ej::readValue(text, f);
        if (!ej::isNumeric(text, f)) continue;
        const double number = recognised(text, f);
        if (std::memcmp(&read, &number, sizeof read) != 0) std::abort();
        try {
            (void)ej::toSingle(read);
        } catch (const ej::ArithmeticFault&) {
            // beyond the single range: the entry step refuses it
        }
    }
    if (size >= 4) {
        float x;
        std::memcpy(&x, data, sizeof x);
        if (std::isfinite(x))
            for (const auto& f : kFormats) roundTrip(x, f);
    }
    return 0;
}
