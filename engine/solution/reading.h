#pragma once

// How a student's written lines are read against the window: the numbers in a line,
// whatever its words; a line that only asks for a value; a result found among the
// lines written at the end. The student chooses the words, so only numbers, their
// order inside a vector and the absence of numbers are compared.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ej::solution {

struct NumberInText {
    double value = 0;
    std::string text;  // as written: "-1,5", "1.677722E+07"
};

// The numbers of a line, in order: the decimal separator between digits belongs to the
// number; a minus sign right before a digit does, unless it follows a letter or a digit
// ("x-1" is x minus 1 only to a reader of code, and nobody writes that). A student's
// algorithm writes numbers as PSeInt does, with a decimal point: a comma in its lines
// separates ("-3,0,3" is three numbers); the window writes them in the user's format.
std::vector<NumberInText> numbersIn(std::string_view line, char decimal = '.');

// The line with each number replaced by "#" and its blanks trimmed: "Ingrese el número 3"
// and "Ingrese el número 1" read alike.
std::string masked(std::string_view line, char decimal = '.');

// Whether a number the student wrote is the window's, at the precision the window
// shows it with: "1,4666667" and "1.466667" are "1,466667"; "1,47" is not. A last-digit
// difference of a seven-digit text is a single's rounding, taken as equal; a shorter
// text is the value itself ("5" is not "5,4").
bool sameNumber(const NumberInText& student, const NumberInText& window);

// A result box of the window at completion: its caption on the window and its text.
struct ShownResult {
    std::string caption;
    std::string text;
};

// The first result the lines written at the end do not hold, or none: each number
// result is one of the numbers written, each once, in any order; a vector box is its
// numbers, in order, one after the other or each after its subscript ("v[2] = 5"); a
// text (an empty class) is a line without any number. Captions are free. A result whose
// number is nowhere is named before one that lost its number to another.
// The window's texts have `decimal` for their decimal separator; the lines, a point.
std::optional<std::size_t> missingResult(const std::vector<ShownResult>& shown, const std::vector<std::string>& written,
                                         char decimal);

}  // namespace ej::solution
