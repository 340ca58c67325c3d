#include "engine/conversions.h"

#include <fast_float.h>

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>

#include "engine/single.h"

namespace ej {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isHexDigit(char c) { return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
bool isOctalDigit(char c) { return c >= '0' && c <= '7'; }

// A cursor over UTF-8 text. Separators are compared as byte sequences, so multi-byte
// separators need no decoding.
struct Cursor {
    std::string_view text;
    std::size_t pos = 0;

    bool atEnd() const { return pos == text.size(); }
    bool digitAt(std::size_t i) const { return i < text.size() && isDigit(text[i]); }
    bool take(char c) {
        if (atEnd() || text[pos] != c) return false;
        ++pos;
        return true;
    }
    void takeSign() {
        if (!take('+')) take('-');
    }
    std::size_t takeDigits() {
        const std::size_t start = pos;
        while (digitAt(pos)) ++pos;
        return pos - start;
    }
    // A separator only counts with a digit right after it; an empty one never counts.
    bool takeSeparator(std::string_view sep) {
        if (sep.empty() || text.substr(pos, sep.size()) != sep || !digitAt(pos + sep.size()))
            return false;
        pos += sep.size();
        return true;
    }
    void skipBlanks() {
        while (!atEnd() && isBlank(text[pos])) ++pos;
    }
};

int digitValue(char c) {
    if (isDigit(c)) return c - '0';
    return (c | 0x20) - 'a' + 10;  // a hexadecimal letter, either case
}

// A whole number in a base of 2^bitsPerDigit (hexadecimal or octal), rounded to the
// nearest double, ties to even. Digits are gathered while they fit in 64 bits; of the
// rest only their count and whether any is nonzero matter.
double radixValue(std::string_view digits, int bitsPerDigit) {
    std::uint64_t gathered = 0;
    long long scale = 0;  // bits of the digits that did not fit
    bool cutNonzero = false;
    for (char c : digits) {
        const auto digit = static_cast<std::uint64_t>(digitValue(c));
        if (gathered >> (64 - bitsPerDigit) == 0) {
            gathered = gathered << bitsPerDigit | digit;
        } else {
            scale += bitsPerDigit;
            cutNonzero = cutNonzero || digit != 0;
        }
    }
    // Round to the 53 bits of a double; a digit is cut only once 60 bits are gathered.
    const int excess = std::max(static_cast<int>(std::bit_width(gathered)) - 53, 0);
    std::uint64_t kept = gathered >> excess;
    if (excess > 0) {
        const std::uint64_t rest = gathered & ((std::uint64_t{1} << excess) - 1);
        const std::uint64_t half = std::uint64_t{1} << (excess - 1);
        if (rest > half || (rest == half && (cutNonzero || (kept & 1) != 0))) ++kept;  // kept <= 2^53
    }
    // Past 2^1100 any scale gives an infinity.
    return std::ldexp(static_cast<double>(kept), static_cast<int>(std::min(scale + excess, 1100LL)));
}

// The number of "[digits][.digits][e[sign]digits]" after an optional sign, correctly
// rounded; past the double range an infinity or 0.
double decimalValue(std::string& s) {
    Cursor c{s};
    const bool negative = !s.empty() && s[0] == '-';
    c.takeSign();
    const std::size_t start = c.pos;
    std::size_t digits = c.takeDigits();
    if (c.take('.')) digits += c.takeDigits();
    if (digits == 0) return 0.0;

    std::size_t end = c.pos;
    if (!c.atEnd() && std::string_view("EeDd").find(s[c.pos]) != std::string_view::npos) {
        const std::size_t letter = c.pos++;
        c.takeSign();
        if (c.takeDigits() > 0) {
            s[letter] = 'e';  // fast_float knows no D exponent
            end = c.pos;
        }
    }
    // The sign is left out (fast_float refuses '+') and applied last, so that -0 and
    // -infinity come out like the other negatives.
    double value = 0.0;
    fast_float::from_chars(s.data() + start, s.data() + end, value);
    return negative ? -value : value;
}

}  // namespace

bool isNumeric(std::string_view text, const NumberFormat& format) {
    Cursor c{text};
    c.skipBlanks();
    c.takeSign();
    if (c.takeDigits() == 0) return false;
    if (c.takeSeparator(".") || c.takeSeparator(format.decimal)) c.takeDigits();
    if (c.take('E') || c.take('e')) {
        c.takeSign();
        if (c.takeDigits() == 0) return false;
    }
    c.skipBlanks();
    return c.atEnd();
}

double readValue(std::string_view text, const NumberFormat& format) {
    // Blanks, tabs and line ends are dropped, and the format's decimal separator
    // becomes ".", so that the number is read as the numeric test recognised it.
    const std::string_view decimal = format.decimal;
    std::string s;
    s.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        if (!decimal.empty() && text[i] == decimal[0] && text.compare(i, decimal.size(), decimal) == 0) {
            s += '.';
            i += decimal.size();
        } else if (const char ch = text[i++]; ch != ' ' && ch != '\t' && ch != '\n' && ch != '\r') {
            s += ch;
        }
    }

    if (s.size() >= 2 && s[0] == '&') {
        const char base = s[1];
        const auto digitsFrom = [&](bool (*isInBase)(char)) {
            const auto end = std::find_if_not(s.begin() + 2, s.end(), isInBase);
            return std::string_view(s).substr(2, static_cast<std::size_t>(end - s.begin()) - 2);
        };
        if (base == 'H' || base == 'h') return radixValue(digitsFrom(isHexDigit), 4);
        if (base == 'O' || base == 'o') return radixValue(digitsFrom(isOctalDigit), 3);
    }
    return decimalValue(s);
}

std::string singleText(float value, const NumberFormat& format) {
    if (!std::isfinite(value)) throw ArithmeticFault{};  // a stored value never is
    if (value == 0.0f) return "0";

    // "d.dddddde±xx": seven significant digits rounded from the exact binary value.
    char buf[48];
    const double magnitude = std::fabs(static_cast<double>(value));
#if __cpp_lib_to_chars >= 201611L
    *std::to_chars(buf, buf + sizeof buf - 1, magnitude, std::chars_format::scientific, 6).ptr = '\0';
#else
    // Without a floating-point to_chars (libc++ before 20, Emscripten's), the C library
    // writes it, with the process locale's decimal point: only digits and exponent count.
    std::snprintf(buf, sizeof buf, "%.6e", magnitude);
#endif
    char* const e = std::strchr(buf, 'e');
    std::string digits;
    std::copy_if(buf, e, std::back_inserter(digits), isDigit);
    const int exponent = std::atoi(e + 1);
    digits.erase(digits.find_last_not_of('0') + 1);  // the first digit is never 0

    std::string text = value < 0 ? "-" : "";
    const auto appendFraction = [&](const std::string& fraction) {
        if (!fraction.empty()) text += format.decimal + fraction;
    };
    if (exponent >= 7 || exponent <= -5) {
        text += digits[0];
        appendFraction(digits.substr(1));
        text += exponent < 0 ? "E-" : "E+";
        if (std::abs(exponent) < 10) text += '0';
        text += std::to_string(std::abs(exponent));
    } else if (exponent >= 0) {
        const auto wholeDigits = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() < wholeDigits) digits.resize(wholeDigits, '0');
        text += digits.substr(0, wholeDigits);
        appendFraction(digits.substr(wholeDigits));
    } else {
        text += '0';
        appendFraction(std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits);
    }
    return text;
}

std::string integerText(std::int16_t value) { return std::to_string(value); }

}  // namespace ej
