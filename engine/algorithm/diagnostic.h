#pragma once

// Where a piece of an algorithm stands in its text, and what is wrong there.
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace ej::algorithm {

// Line and column from 1; a column counts characters (UTF-8 sequences), a tab as one.
struct Position {
    int line = 1;
    int column = 1;
    bool operator==(const Position&) const = default;
};

// From `begin` up to, not including, `end`.
struct Span {
    Position begin{};
    Position end{};
    int line() const { return begin.line; }
};

// A fault of the text, for a student to mend: where it is and, in Spanish, what was
// expected there and what was found.
struct Diagnostic {
    Span span{};
    std::string message;
    // "línea 4, columna 7: se esperaba …"
    std::string located() const;
};

// The pieces one after the other. Messages are joined by appending: GCC 12 at -O3 takes
// the insert that "text" + std::string inlines for an overlapping copy (a false
// -Wrestrict).
std::string joined(std::initializer_list<std::string_view> pieces);

// In the order of the text: by line, then column; faults at one place keep their order.
void sortByPlace(std::vector<Diagnostic>& diagnostics);

// ASCII letters in lower case, the rest as it is: how names and the dialect's words
// compare, whatever their case.
std::string asciiLower(std::string_view text);

// The text as valid UTF-8: a byte that begins no valid sequence becomes U+FFFD, so that
// whatever a student's file holds, a message quoting it is always valid.
std::string validUtf8(std::string_view text);

}  // namespace ej::algorithm
