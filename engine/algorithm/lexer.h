#pragma once

// The words of an algorithm. Keywords are told apart from names case-insensitively,
// as PSeInt does; accents never appear outside texts and comments.
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace ej::algorithm {

// A malformed algorithm: where, and what was expected there.
class AlgorithmError : public std::runtime_error {
public:
    AlgorithmError(int line, const std::string& expected);
    int line() const { return line_; }

private:
    int line_;
};

struct Token {
    enum Kind { Word, Number, Text, Symbol, EndOfText } kind = EndOfText;
    std::string text;   // a word as written, a number's digits, a text's contents, a symbol
    std::string lower;  // a word in lower case, for keywords and names
    double number = 0;
    int line = 0;
};

std::vector<Token> tokenize(std::string_view source);

// Whether a word, in lower case, is one of the dialect's own (never a variable's name).
bool isKeyword(std::string_view lowered);

}  // namespace ej::algorithm
