#include "engine/algorithm/lexer.h"

#include <cctype>
#include <cstdlib>
#include <set>

namespace ej::algorithm {

AlgorithmError::AlgorithmError(int line, const std::string& expected)
    : std::runtime_error("línea " + std::to_string(line) + ": se esperaba " + expected), line_(line) {}

namespace {

bool isLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool isDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

std::string lowered(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

}  // namespace

bool isKeyword(std::string_view lowered) {
    static const std::set<std::string_view> kWords{
        "algoritmo", "finalgoritmo", "definir", "como", "real", "entero", "dimension", "leer",
        "escribir", "sin", "saltar", "si", "entonces", "sino", "finsi", "mientras", "hacer",
        "finmientras", "para", "hasta", "con", "paso", "finpara", "repetir", "que", "mod",
        "y", "o", "no", "trunc", "abs", "redon"};
    return kWords.count(lowered) > 0;
}

std::vector<Token> tokenize(std::string_view source) {
    std::vector<Token> out;
    int line = 1;
    std::size_t i = 0;
    auto at = [&](std::size_t k) { return k < source.size() ? source[k] : '\0'; };
    while (i < source.size()) {
        const char c = source[i];
        if (c == '\n') {
            ++line;
            ++i;
        } else if (c == ' ' || c == '\t' || c == '\r') {
            ++i;
        } else if (c == '/' && at(i + 1) == '/') {
            while (i < source.size() && source[i] != '\n') ++i;
        } else if (isLetter(c)) {
            std::size_t j = i;
            while (j < source.size() && (isLetter(source[j]) || isDigit(source[j]))) ++j;
            std::string word(source.substr(i, j - i));
            out.push_back({Token::Word, word, lowered(word), 0, line});
            i = j;
        } else if (isDigit(c)) {
            std::size_t j = i;
            while (isDigit(at(j))) ++j;
            if (at(j) == '.' && isDigit(at(j + 1))) {
                ++j;
                while (isDigit(at(j))) ++j;
            }
            std::string digits(source.substr(i, j - i));
            out.push_back({Token::Number, digits, {}, std::strtod(digits.c_str(), nullptr), line});
            i = j;
        } else if (c == '"' || c == '\'') {
            const std::size_t end = source.find(c, i + 1);
            const std::size_t lineEnd = source.find('\n', i + 1);
            if (end == std::string_view::npos || end > lineEnd) throw AlgorithmError(line, "el cierre del texto");
            out.push_back({Token::Text, std::string(source.substr(i + 1, end - i - 1)), {}, 0, line});
            i = end + 1;
        } else {
            static constexpr std::string_view kPairs[] = {"<-", "<=", ">=", "<>"};
            std::string symbol(1, c);
            for (auto pair : kPairs)
                if (source.substr(i, 2) == pair) symbol = pair;
            if (symbol.size() == 1 && std::string_view("+-*/^=<>()[],;").find(c) == std::string_view::npos)
                throw AlgorithmError(line, "una instrucción, no el carácter '" + symbol + "'");
            out.push_back({Token::Symbol, symbol, symbol, 0, line});
            i += symbol.size();
        }
    }
    out.push_back({Token::EndOfText, "", "", 0, line});
    return out;
}

}  // namespace ej::algorithm
