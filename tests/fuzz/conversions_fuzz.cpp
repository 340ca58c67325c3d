// libFuzzer target for the conversions: no crash and no undefined behaviour on any
// text, and the single text form of any finite single, read back by the value read,
// shows the same seven significant digits.
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "engine/conversions.h"
#include "engine/single.h"

namespace {

const ej::NumberFormat kFormats[] = {{",", "."}, {".", ","}, {",", "\u00a0"}};

std::string sevenDigits(double v) {
    char buf[40];
    const auto end = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 6).ptr;
    return std::string(buf, end);
}

void roundTrip(float x, const ej::NumberFormat& f) {
    std::string shown = ej::singleText(x, f);
    if (!ej::isNumeric(shown, f)) std::abort();
    if (const auto at = shown.find(f.decimal); at != std::string::npos) shown.replace(at, f.decimal.size(), ".");
    const double read = ej::readValue(shown);
    // -0 is shown as 0.
    if (sevenDigits(read) != sevenDigits(x == 0.0f ? 0.0 : x)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    for (const auto& f : kFormats) {
        if (ej::isNumeric(text, f)) {
            try {
                (void)ej::toSingle(ej::readValue(text));
            } catch (const ej::ArithmeticFault&) {
                // beyond the single range: the entry step refuses it
            }
        }
    }
    (void)ej::readValue(text);
    if (size >= 4) {
        float x;
        std::memcpy(&x, data, sizeof x);
        if (std::isfinite(x))
            for (const auto& f : kFormats) roundTrip(x, f);
    }
    return 0;
}
