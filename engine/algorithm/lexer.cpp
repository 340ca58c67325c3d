#include "engine/algorithm/lexer.h"

#include <unordered_map>

#include "engine/conversions.h"

namespace ej::algorithm {

namespace {

struct Spelled {
    std::string_view text;
    Tok kind;
};

// Every keyword and symbol as a student writes it; the keywords are looked up in lower
// case without accents.
constexpr Spelled kSpellings[] = {
    {"<-", Tok::Arrow}, {"(", Tok::LParen}, {")", Tok::RParen}, {"[", Tok::LBracket}, {"]", Tok::RBracket},
    {",", Tok::Comma}, {";", Tok::Semicolon}, {":", Tok::Colon}, {"+", Tok::Plus}, {"-", Tok::Minus},
    {"*", Tok::Star}, {"/", Tok::Slash}, {"^", Tok::Caret}, {"%", Tok::Percent}, {"=", Tok::Equal},
    {"==", Tok::EqualEqual}, {"<>", Tok::NotEqual}, {"!=", Tok::BangEqual}, {"<", Tok::Less},
    {"<=", Tok::LessEqual}, {">", Tok::Greater}, {">=", Tok::GreaterEqual}, {"&", Tok::Ampersand},
    {"|", Tok::Bar}, {"~", Tok::Tilde},
    {"Algoritmo", Tok::Algoritmo}, {"FinAlgoritmo", Tok::FinAlgoritmo}, {"Proceso", Tok::Proceso},
    {"FinProceso", Tok::FinProceso}, {"SubProceso", Tok::SubProceso}, {"FinSubProceso", Tok::FinSubProceso},
    {"Funcion", Tok::Funcion}, {"FinFuncion", Tok::FinFuncion}, {"Definir", Tok::Definir}, {"Como", Tok::Como},
    {"Entero", Tok::Entero}, {"Real", Tok::Real}, {"Numero", Tok::Numero}, {"Numerico", Tok::Numerico},
    {"Logico", Tok::Logico}, {"Caracter", Tok::Caracter}, {"Texto", Tok::Texto}, {"Cadena", Tok::Cadena},
    {"Dimension", Tok::Dimension}, {"Leer", Tok::Leer}, {"Escribir", Tok::Escribir}, {"Sin", Tok::Sin},
    {"Saltar", Tok::Saltar}, {"Bajar", Tok::Bajar}, {"Si", Tok::Si}, {"Entonces", Tok::Entonces},
    {"SiNo", Tok::SiNo}, {"FinSi", Tok::FinSi}, {"Segun", Tok::Segun}, {"Hacer", Tok::Hacer}, {"De", Tok::De},
    {"Otro", Tok::Otro}, {"Modo", Tok::Modo}, {"FinSegun", Tok::FinSegun}, {"Mientras", Tok::Mientras},
    {"FinMientras", Tok::FinMientras}, {"Repetir", Tok::Repetir}, {"Hasta", Tok::Hasta}, {"Que", Tok::Que},
    {"Para", Tok::Para}, {"Con", Tok::Con}, {"Paso", Tok::Paso}, {"FinPara", Tok::FinPara}, {"Por", Tok::Por},
    {"Referencia", Tok::Referencia}, {"Valor", Tok::Valor}, {"Verdadero", Tok::Verdadero},
    {"Falso", Tok::Falso}, {"MOD", Tok::Mod}, {"Y", Tok::Y}, {"O", Tok::O}, {"NO", Tok::No},
};

// Words that are keywords only where the dialect expects them.
bool contextual(Tok t) {
    switch (t) {
    case Tok::Como: case Tok::Numero: case Tok::Numerico: case Tok::Texto: case Tok::Cadena: case Tok::Caracter:
    case Tok::Con: case Tok::Paso: case Tok::De: case Tok::Otro: case Tok::Modo: case Tok::Por:
    case Tok::Referencia: case Tok::Valor: case Tok::Que: case Tok::Sin: case Tok::Bajar: case Tok::Saltar:
        return true;
    default: return false;
    }
}

bool isAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isWordByte(char c) { return isAsciiLetter(c) || isDigit(c) || static_cast<unsigned char>(c) >= 0x80; }
bool continues(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The word in lower case, its accented vowels plain: the key of a keyword.
std::string folded(std::string_view word) {
    std::string out;
    for (std::size_t i = 0; i < word.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(word[i]);
        if (c == 0xC3 && i + 1 < word.size()) {
            const unsigned char next = static_cast<unsigned char>(word[i + 1]) | 0x20;  // Á → á
            const char* vowel = next == 0xA1 ? "a" : next == 0xA9 ? "e" : next == 0xAD ? "i" : next == 0xB3 ? "o"
                                : next == 0xBA ? "u" : nullptr;
            if (vowel) {
                out += vowel;
                ++i;
                continue;
            }
        }
        out += static_cast<char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
    }
    return out;
}

const std::unordered_map<std::string, Tok>& keywords() {
    static const std::unordered_map<std::string, Tok> table = [] {
        std::unordered_map<std::string, Tok> t;
        for (const auto& s : kSpellings)
            if (isAsciiLetter(s.text[0])) t.emplace(folded(s.text), s.kind);
        return t;
    }();
    return table;
}

class Lexer {
public:
    explicit Lexer(std::string_view source) : s_(source) {}

    Lexed run() {
        while (skipBlanks(), i_ < s_.size()) {
            const std::size_t start = i_;
            const Position from = here();
            const char c = s_[i_];
            Token t;
            if (isWordByte(c) && !isDigit(c)) {
                word(t);
            } else if (isDigit(c)) {
                number(t);
            } else if (c == '"' || c == '\'') {
                text(t, from);
            } else if (!symbol(t)) {
                advance();
                while (i_ < s_.size() && continues(s_[i_])) ++i_;
                error({from, here()}, "el carácter '" + validUtf8(s_.substr(start, i_ - start)) +
                                          "' no es parte del lenguaje");
                continue;
            }
            t.span = {from, here()};
            t.lineStart = lineStart_;
            lineStart_ = false;
            out_.tokens.push_back(std::move(t));
        }
        Token end;
        end.span = {here(), here()};
        end.lineStart = true;
        out_.tokens.push_back(end);
        return std::move(out_);
    }

private:
    Position here() const { return {line_, column_}; }
    char at(std::size_t k) const { return k < s_.size() ? s_[k] : '\0'; }
    // One character, one column: a lead byte with the continuation bytes after it. A
    // stray continuation byte is a character of its own.
    void advance() {
        const auto lead = static_cast<unsigned char>(s_[i_++]);
        if (lead >= 0xC0)
            while (i_ < s_.size() && continues(s_[i_])) ++i_;
        ++column_;
    }
    void error(Span span, std::string message) { out_.errors.push_back({span, std::move(message)}); }

    void skipBlanks() {
        while (i_ < s_.size()) {
            const char c = s_[i_];
            if (c == '\n') {
                ++i_;
                ++line_;
                column_ = 1;
                lineStart_ = true;
            } else if (c == ' ' || c == '\t' || c == '\r') {
                advance();
            } else if (c == '/' && at(i_ + 1) == '/') {
                while (i_ < s_.size() && s_[i_] != '\n') advance();
            } else {
                return;
            }
        }
    }

    void word(Token& t) {
        const std::size_t start = i_;
        const Position from = here();
        while (i_ < s_.size() && isWordByte(s_[i_])) advance();
        t.text = validUtf8(s_.substr(start, i_ - start));
        const auto keyword = keywords().find(folded(t.text));
        if (keyword != keywords().end() && !contextual(keyword->second)) {
            t.kind = keyword->second;
            return;
        }
        if (keyword != keywords().end()) t.word = keyword->second;
        t.kind = Tok::Name;
        for (std::size_t k = 0; k < t.text.size(); ++k)
            if (static_cast<unsigned char>(t.text[k]) >= 0x80) {
                std::size_t end = k + 1;
                while (end < t.text.size() && continues(t.text[end])) ++end;
                error({from, here()}, "el nombre '" + t.text + "' lleva '" + t.text.substr(k, end - k) +
                                          "': un nombre se escribe con letras sin acento ni ñ, dígitos y _");
                break;
            }
    }

    void number(Token& t) {
        const std::size_t start = i_;
        while (isDigit(at(i_))) advance();
        if (at(i_) == '.' && isDigit(at(i_ + 1))) {
            advance();
            while (isDigit(at(i_))) advance();
        }
        t.kind = Tok::Number;
        t.text = std::string(s_.substr(start, i_ - start));
        t.number = readValue(t.text, NumberFormat{".", ""});
    }

    void text(Token& t, Position from) {
        const char quote = s_[i_];
        advance();
        const std::size_t start = i_;
        while (i_ < s_.size() && s_[i_] != quote && s_[i_] != '\n') advance();
        t.kind = Tok::Text;
        t.text = validUtf8(s_.substr(start, i_ - start));
        if (at(i_) == quote)
            advance();
        else {
            std::string message = "falta la comilla ";
            message += quote;
            message += " que cierra el texto";
            error({from, here()}, std::move(message));
        }
    }

    bool symbol(Token& t) {
        for (const std::size_t length : {2, 1})
            for (const auto& s : kSpellings)
                if (s.text.size() == length && !isAsciiLetter(s.text[0]) && s_.substr(i_, length) == s.text) {
                    for (std::size_t k = 0; k < length; ++k) advance();
                    t.kind = s.kind;
                    t.text = std::string(s.text);
                    return true;
                }
        return false;
    }

    std::string_view s_;
    std::size_t i_ = 0;
    int line_ = 1;
    int column_ = 1;
    bool lineStart_ = true;
    Lexed out_;
};

}  // namespace

Lexed tokenize(std::string_view source) { return Lexer(source).run(); }

std::string_view spelling(Tok kind) {
    for (const auto& s : kSpellings)
        if (s.kind == kind) return s.text;
    return {};
}

std::string describe(const Token& token) {
    switch (token.kind) {
    case Tok::End: return "el fin del texto";
    case Tok::Name: return joined({"el nombre '", token.text, "'"});
    case Tok::Number: return joined({"el número ", token.text});
    case Tok::Text: return joined({"el texto \"", token.text, "\""});
    default: break;
    }
    const std::string_view s = spelling(token.kind);
    if (isAsciiLetter(s[0])) return std::string(s);
    return joined({"'", s, "'"});
}

bool isKeyword(std::string_view word) {
    // "valor" is far more often a variable than the word of `Por Valor`.
    const auto found = keywords().find(folded(word));
    return found != keywords().end() && found->second != Tok::Valor;
}

}  // namespace ej::algorithm
