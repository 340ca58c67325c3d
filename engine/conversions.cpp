#include "engine/conversions.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

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

double hexValue(std::string_view digits) {
    if (digits.empty()) return 0.0;
    double value = 0.0;
    // Only digits are handed over, so the one possible failure is a value past the double range.
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value,
                                        std::chars_format::hex);
    return result.ec == std::errc{} ? value : std::numeric_limits<double>::infinity();
}

// Octal digits are regrouped into hexadecimal ones so that both bases get the
// correct rounding of from_chars.
double octalValue(std::string_view digits) {
    static constexpr char hexDigits[] = "0123456789abcdef";
    std::string hex;
    unsigned bits = 0;
    int count = 0;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        bits |= static_cast<unsigned>(*it - '0') << count;
        for (count += 3; count >= 4; count -= 4, bits >>= 4) hex += hexDigits[bits & 15];
    }
    if (count > 0) hex += hexDigits[bits];
    std::reverse(hex.begin(), hex.end());
    return hexValue(hex);
}

// Power of ten of the leading nonzero digit; it tells which end of the double range
// an out-of-range number left by. The exponent is capped so that it cannot overflow.
long long leadingPower(std::string_view whole, std::string_view fraction, std::string_view exponent) {
    long long power = 0;
    bool negative = false;
    for (char c : exponent) {
        if (c == '-') negative = true;
        if (isDigit(c)) power = std::min(power * 10 + (c - '0'), 1'000'000'000'000LL);
    }
    if (negative) power = -power;
    const auto wholeLead = whole.find_first_not_of('0');
    if (wholeLead != std::string_view::npos)
        return power + static_cast<long long>(whole.size() - 1 - wholeLead);
    return power - static_cast<long long>(fraction.find_first_not_of('0') + 1);
}

double decimalValue(std::string& s) {
    Cursor c{s};
    const bool negative = !s.empty() && s[0] == '-';
    c.takeSign();
    const std::size_t start = c.pos;
    const std::string_view whole = std::string_view(s).substr(start, c.takeDigits());
    std::string_view fraction;
    if (c.take('.')) {
        const std::size_t fractionStart = c.pos;
        fraction = std::string_view(s).substr(fractionStart, c.takeDigits());
    }
    if (whole.empty() && fraction.empty()) return 0.0;

    std::size_t end = c.pos;
    std::string_view exponent;
    if (!c.atEnd() && std::string_view("EeDd").find(s[c.pos]) != std::string_view::npos) {
        const std::size_t letter = c.pos++;
        c.takeSign();
        if (c.takeDigits() > 0) {
            s[letter] = 'e';  // from_chars knows no D exponent
            exponent = std::string_view(s).substr(letter + 1, c.pos - letter - 1);
            end = c.pos;
        }
    }
    // The sign is left out (from_chars refuses '+') and applied last, so that
    // -0 and -infinity come out like the other negatives.
    double value = 0.0;
    if (std::from_chars(s.data() + start, s.data() + end, value).ec != std::errc{})
        value = leadingPower(whole, fraction, exponent) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return negative ? -value : value;
}

}  // namespace

bool isNumeric(std::string_view text, const NumberFormat& format) {
    Cursor c{text};
    c.skipBlanks();
    c.takeSign();
    if (c.takeDigits() == 0) return false;
    // Thousands are tried first: with equal separators the grouped reading wins.
    while (c.takeSeparator(format.thousands)) c.takeDigits();
    if (c.takeSeparator(format.decimal)) c.takeDigits();
    if (c.take('E') || c.take('e')) {
        c.takeSign();
        if (c.takeDigits() == 0) return false;
    }
    c.skipBlanks();
    return c.atEnd();
}

double readValue(std::string_view text) {
    std::string s;
    s.reserve(text.size());
    for (char ch : text)
        if (ch != ' ' && ch != '\t' && ch != '\n' && ch != '\r') s += ch;

    if (s.size() >= 2 && s[0] == '&') {
        const char base = s[1];
        const auto digitsFrom = [&](bool (*isInBase)(char)) {
            const auto end = std::find_if_not(s.begin() + 2, s.end(), isInBase);
            return std::string_view(s).substr(2, static_cast<std::size_t>(end - s.begin()) - 2);
        };
        if (base == 'H' || base == 'h') return hexValue(digitsFrom(isHexDigit));
        if (base == 'O' || base == 'o') return octalValue(digitsFrom(isOctalDigit));
    }
    return decimalValue(s);
}

std::string singleText(float value, const NumberFormat& format) {
    if (!std::isfinite(value)) throw ArithmeticFault{};  // a stored value never is
    if (value == 0.0f) return "0";

    // "d.dddddde±xx": seven significant digits rounded from the exact binary value.
    // to_chars, unlike snprintf, ignores the process locale.
    char buf[32];
    const auto end = std::to_chars(buf, buf + sizeof buf, std::fabs(static_cast<double>(value)),
                                   std::chars_format::scientific, 6).ptr;
    std::string digits = std::string(1, buf[0]) + std::string(buf + 2, 6);
    int exponent = 0;
    std::from_chars(buf + 10, end, exponent);
    if (buf[9] == '-') exponent = -exponent;
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
