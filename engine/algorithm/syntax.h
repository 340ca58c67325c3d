#pragma once

// An algorithm as a tree, every node with its place in the text: what the parser builds
// and what the compiler lowers to the runner's instructions. It stays available beside
// the compiled program for whatever draws or explains the algorithm.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/algorithm/diagnostic.h"

namespace ej::algorithm {

enum class DataType : std::uint8_t { Unknown, Entero, Real, Logico, Texto };

// "Entero", "Real", "Logico", "Texto"; "sin tipo" for Unknown.
const char* typeName(DataType type);

enum class Operator : std::uint8_t {
    Add, Sub, Mul, Div, Pow, Mod, Eq, Ne, Lt, Le, Gt, Ge, And, Or,  // binary
    Negate, Plus, Not,                                              // unary
};

// "+", "MOD", "Y", …
const char* operatorText(Operator op);

struct Expr {
    enum class Kind : std::uint8_t {
        Number,   // number
        Text,     // text
        Logical,  // logical
        Name,     // text: a variable (or a subprocess called without parentheses)
        Index,    // text: an array; args: its subscripts
        Call,     // text: a function or subprocess; args: its arguments
        Unary,    // op; args: the operand
        Binary,   // op; args: the two operands
    };
    Kind kind = Kind::Number;
    Span span{};
    Operator op = Operator::Add;
    double number = 0;
    bool logical = false;
    std::string text{};
    std::vector<Expr> args{};
};

struct Stmt;
using Block = std::vector<Stmt>;

struct Case {
    Span span{};             // the values and their colon
    std::vector<Expr> values{};  // empty for `De Otro Modo`
    Block body;  // no initializer here: Stmt is not complete yet
};

struct Stmt {
    enum class Kind : std::uint8_t {
        Define,     // targets: names; type
        Dimension,  // targets: arrays with their sizes
        Assign,     // targets[0] <- exprs[0]
        Read,       // targets
        Write,      // exprs; newline
        Call,       // exprs[0]: the call
        If,         // exprs[0]; body; otherwise (after SiNo)
        Switch,     // exprs[0]; cases, the last one `De Otro Modo` when it has no values
        While,      // exprs[0]; body
        Repeat,     // body; exprs[0]; untilTrue: `Hasta Que` (else `Mientras Que`)
        For,        // targets[0]; exprs: from, to[, step]; body
    };
    Kind kind = Kind::Assign;
    Span span{};     // the statement, or a block's opening line up to its end
    Span closing{};  // a block's closing word; a Repetir's condition line
    DataType type = DataType::Unknown;
    bool newline = true;
    bool untilTrue = true;
    std::vector<Expr> targets{};
    std::vector<Expr> exprs{};
    Block body{};
    Block otherwise{};
    std::vector<Case> cases{};
};

struct Parameter {
    std::string name{};
    Span span{};
    bool byReference = false;
};

// `Algoritmo`/`Proceso`, or a `SubProceso`/`Funcion`.
struct Procedure {
    bool main = false;
    std::string name{};
    Span span{};     // the heading
    Span closing{};  // FinAlgoritmo, FinSubProceso, …
    std::vector<Parameter> parameters{};
    std::string result{};  // the variable that returns a function's value; empty for none
    Block body{};
};

struct Module {
    std::vector<Procedure> procedures;  // in the order of the text
};

}  // namespace ej::algorithm
