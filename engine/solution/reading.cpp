#include "engine/solution/reading.h"

#include <fast_float.h>

#include <algorithm>
#include <cmath>
#include <set>

namespace ej::solution {

namespace {

bool digit(char c) { return c >= '0' && c <= '9'; }
bool asciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// Whether s[k] ends a letter: an ASCII one, or an accented one or ñ (U+00C0 to U+00FF,
// whose UTF-8 ends at its second byte). Quotes and ° are not letters: "“5”", "N°5".
bool letterEndsAt(std::string_view s, std::size_t k) {
    const auto b = static_cast<unsigned char>(s[k]);
    return asciiLetter(s[k]) || (b >= 0x80 && b <= 0xBF && k > 0 && static_cast<unsigned char>(s[k - 1]) == 0xC3);
}

// The number that starts at `at`, if one does: its length, else 0.
std::size_t numberAt(std::string_view s, std::size_t at, char decimal = '.') {
    std::size_t i = at;
    const auto word = [&](std::size_t k) { return letterEndsAt(s, k) || digit(s[k]); };
    if (s[i] == '-') {
        if (i + 1 >= s.size() || !digit(s[i + 1]) || (i > 0 && word(i - 1))) return 0;
        ++i;
    }
    if (!digit(s[i]) || (i == at && i > 0 && (word(i - 1) || (s[i - 1] == '-' && i > 1 && word(i - 2))))) return 0;
    while (i < s.size() && digit(s[i])) ++i;
    if (i + 1 < s.size() && s[i] == decimal && digit(s[i + 1])) {
        ++i;
        while (i < s.size() && digit(s[i])) ++i;
    }
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        if (j < s.size() && digit(s[j])) {
            while (j < s.size() && digit(s[j])) ++j;
            i = j;
        }
    }
    return i - at;
}

double valueOf(std::string text) {
    for (char& c : text)
        if (c == ',') c = '.';
    const bool negative = !text.empty() && text[0] == '-';
    double value = 0;
    const char* first = text.data() + (negative ? 1 : 0);
    fast_float::from_chars(first, text.data() + text.size(), value);
    return negative ? -value : value;
}

// The place of the last digit a number's text shows: 0,001 for "1,466", 10 for "1,677722E+07".
double lastPlace(std::string_view text, int& significant) {
    int decimals = 0, exponent = 0;
    bool afterPoint = false, leading = true;
    significant = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == 'e' || c == 'E') {
            exponent = static_cast<int>(valueOf(std::string(text.substr(i + 1 + (text[i + 1] == '+' ? 1 : 0)))));
            break;
        }
        if (c == '.' || c == ',') afterPoint = true;
        if (!digit(c)) continue;
        if (afterPoint) ++decimals;
        if (c != '0') leading = false;
        if (!leading) ++significant;
    }
    return std::pow(10.0, exponent - decimals);
}

}  // namespace

std::vector<NumberInText> numbersIn(std::string_view line, char decimal) {
    std::vector<NumberInText> out;
    for (std::size_t i = 0; i < line.size();) {
        const std::size_t length = numberAt(line, i, decimal);
        if (length == 0) {
            ++i;
            continue;
        }
        std::string text(line.substr(i, length));
        out.push_back({valueOf(text), text});
        i += length;
    }
    return out;
}

std::string masked(std::string_view line, char decimal) {
    std::string out;
    for (std::size_t i = 0; i < line.size();) {
        const std::size_t length = numberAt(line, i, decimal);
        if (length == 0) {
            out += line[i++];
        } else {
            out += '#';
            i += length;
        }
    }
    const auto first = out.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return out.substr(first, out.find_last_not_of(' ') - first + 1);
}

bool sameNumber(const NumberInText& student, const NumberInText& window) {
    int significant = 0;
    const double place = lastPlace(window.text, significant);
    // A text of fewer digits is the value itself: 5 is 5, not anything from 4,5 to 5,5.
    const double tolerance = significant >= 7 ? place * (1 + 1e-9) : std::fabs(window.value) * 1e-6;
    return std::fabs(student.value - window.value) <= tolerance;
}

namespace {

// Matches each number result to a written number of its own (Kuhn's augmenting paths:
// a caption's number, "billetes de 100", must not take the place a result needs).
class Matching {
public:
    Matching(const std::vector<NumberInText>& results, const std::vector<NumberInText>& written,
             const std::vector<bool>& taken)
        : results_(results), written_(written), taken_(taken), owner_(written.size(), -1) {}

    bool place(std::size_t result) {
        std::vector<bool> seen(written_.size(), false);
        return augment(result, seen);
    }

private:
    bool augment(std::size_t result, std::vector<bool>& seen) {
        for (std::size_t w = 0; w < written_.size(); ++w) {
            if (taken_[w] || seen[w] || !sameNumber(written_[w], results_[result])) continue;
            seen[w] = true;
            if (owner_[w] < 0 || augment(static_cast<std::size_t>(owner_[w]), seen)) {
                owner_[w] = static_cast<int>(result);
                return true;
            }
        }
        return false;
    }

    const std::vector<NumberInText>& results_;
    const std::vector<NumberInText>& written_;
    const std::vector<bool>& taken_;
    std::vector<int> owner_;
};

bool onlyNumbers(std::string_view text, char decimal) {
    return masked(text, decimal).find_first_not_of("# ") == std::string::npos;
}

}  // namespace

namespace {

// The first run of a vector's numbers not yet taken: one after the other, or each right
// after its subscript, 1 to N ("v[1] = 3", "v[2] = 5"). Taken when found.
bool takeRun(const std::vector<NumberInText>& wanted, const std::vector<NumberInText>& numbers,
             std::vector<bool>& taken) {
    const auto at = [&](std::size_t start, std::size_t step, std::size_t k) { return start + k * step; };
    for (const std::size_t step : {1u, 2u})
        for (std::size_t start = step - 1; at(start, step, wanted.size() - 1) < numbers.size(); ++start) {
            bool found = true;
            for (std::size_t k = 0; found && k < wanted.size(); ++k) {
                const std::size_t n = at(start, step, k);
                found = !taken[n] && sameNumber(numbers[n], wanted[k]) &&
                        (step == 1 || numbers[n - 1].value == static_cast<double>(k + 1));
            }
            if (!found) continue;
            for (std::size_t k = 0; k < wanted.size(); ++k) taken[at(start, step, k)] = true;
            return true;
        }
    return false;
}

}  // namespace

std::optional<std::size_t> missingResult(const std::vector<ShownResult>& shown, const std::vector<std::string>& written,
                                         char decimal) {
    std::vector<NumberInText> numbers;
    std::size_t linesWithoutNumbers = 0;
    for (const auto& line : written) {
        auto found = numbersIn(line);
        if (found.empty() && !masked(line).empty()) ++linesWithoutNumbers;
        numbers.insert(numbers.end(), found.begin(), found.end());
    }
    std::vector<bool> taken(numbers.size(), false);
    std::vector<NumberInText> scalars;
    std::vector<std::size_t> scalarIndex;
    std::set<std::string> texts;
    std::optional<std::size_t> firstText;
    for (std::size_t r = 0; r < shown.size(); ++r) {
        const auto wanted = numbersIn(shown[r].text, decimal);
        if (wanted.empty() || !onlyNumbers(shown[r].text, decimal)) {
            // A text: an empty class's words, said the student's way.
            texts.insert(shown[r].text);
            if (!firstText && texts.size() > linesWithoutNumbers) firstText = r;
        } else if (wanted.size() == 1) {
            scalars.push_back(wanted.front());
            scalarIndex.push_back(r);
        } else if (!takeRun(wanted, numbers, taken)) {
            return r;
        }
    }
    for (std::size_t k = 0; k < scalars.size(); ++k)
        if (std::none_of(numbers.begin(), numbers.end(), [&](const auto& n) { return sameNumber(n, scalars[k]); }))
            return scalarIndex[k];
    Matching matching(scalars, numbers, taken);
    for (std::size_t k = 0; k < scalars.size(); ++k)
        if (!matching.place(k)) return scalarIndex[k];
    return firstText;
}

}  // namespace ej::solution
