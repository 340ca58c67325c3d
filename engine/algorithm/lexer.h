#pragma once

// The words of an algorithm, each with its kind and place. Keywords are told apart from
// names case-insensitively, as PSeInt does, and with or without their accents
// ("Según", "Lógico"); a name itself is plain letters, digits and _.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/algorithm/diagnostic.h"

namespace ej::algorithm {

enum class Tok : std::uint8_t {
    End, Name, Number, Text,
    // symbols
    Arrow, LParen, RParen, LBracket, RBracket, Comma, Semicolon, Colon,
    Plus, Minus, Star, Slash, Caret, Percent,
    Equal, EqualEqual, NotEqual, BangEqual, Less, LessEqual, Greater, GreaterEqual,
    Ampersand, Bar, Tilde,
    // keywords
    Algoritmo, FinAlgoritmo, Proceso, FinProceso, SubProceso, FinSubProceso, Funcion, FinFuncion,
    Definir, Como, Entero, Real, Numero, Numerico, Logico, Caracter, Texto, Cadena, Dimension,
    Leer, Escribir, Sin, Saltar, Bajar,
    Si, Entonces, SiNo, FinSi, Segun, Hacer, De, Otro, Modo, FinSegun,
    Mientras, FinMientras, Repetir, Hasta, Que, Para, Con, Paso, FinPara,
    Por, Referencia, Valor, Verdadero, Falso, Mod, Y, O, No,
};

struct Token {
    Tok kind = Tok::End;
    Span span{};
    std::string text;   // as written; a text's contents without its quotes
    // A name that is a keyword in its place only ("Paso", "Valor", "Texto"…): a student
    // may name a variable so, as PSeInt allows.
    Tok word = Tok::End;
    double number = 0;  // a number's value
    bool lineStart = false;  // the first token of its line
};

struct Lexed {
    std::vector<Token> tokens;  // always ends with Tok::End
    std::vector<Diagnostic> errors;
};

Lexed tokenize(std::string_view source);

// How a student would name the token in a message: "FinSi", "'('", "el número 3",
// "el fin del texto".
std::string describe(const Token& token);
// A keyword or symbol as it is written: "FinMientras", "<-".
std::string_view spelling(Tok kind);

// Whether a word (any case, with or without accents) is one of the dialect's own, as a
// listing marks it.
bool isKeyword(std::string_view word);

}  // namespace ej::algorithm
