#pragma once

// An algorithm compiled for the runner: a flat list of instructions with jumps, each
// keeping the line of the algorithm it comes from, so that a run can stop at a `Leer`,
// return, and go on from there at the next press.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/stepping.h"

namespace ej::algorithm {

enum class Type { Real, Entero };

struct Variable {
    std::string name;  // as declared
    Type type = Type::Real;
    bool vector = false;  // given a size by `Dimension`
};

struct Expr {
    enum Kind { Number, Scalar, Element, Negate, Not, Binary, Call } kind = Number;
    enum Op { Add, Sub, Mul, Div, Pow, Mod, Eq, Ne, Lt, Le, Gt, Ge, And, Or, Trunc, Abs, Redon } op = Add;
    double number = 0;
    int var = -1;            // Scalar, Element
    std::vector<Expr> args{};  // operands; an element's subscript
};

// An item of `Escribir`: a text, or an expression written in the user's number format.
struct Item {
    std::optional<std::string> text;
    Expr expr{};
};

// `Mientras v <relation> bound Hacer` over a body that only steps variables by amounts
// the loop does not change: run in one go (engine/stepping.h) instead of pass by pass.
struct CountingLoop {
    int var = -1;  // the variable of the test
    Relation relation = Relation::Less;
    Expr bound{};
    struct Step {
        int var;
        Expr amount;  // added at each pass
        int line;
    };
    std::vector<Step> steps{};  // in the body's order
};

struct Instruction {
    enum Op {
        Declare,    // Definir: the variable starts at 0
        Dimension,  // expr: the size
        Assign,     // var (index) <- expr
        Read,       // Leer var (index): the run waits here for the next value
        Write,      // Escribir items
        Branch,     // expr false: go to target
        Jump,       // go to target
        Count,      // a counting loop; then go to target
        End,        // FinAlgoritmo
    } op = End;
    int line = 0;
    bool counted = true;  // executing it counts as a run of its line
    int var = -1;
    std::optional<Expr> index{};
    Expr expr{};
    std::vector<Item> items{};
    bool newline = true;
    int target = -1;
    // A loop at the top of the algorithm whose body reads nothing, such as a sort after
    // the series: each of its passes is a step of its own in the desk check. Its first
    // instruction (a Para's first assignment, a Mientras's test) and the one that ends
    // each pass (a Para's step, a Mientras's jump back) name the loop by its test.
    int loopStart = -1;
    int loopBack = -1;
    std::shared_ptr<const CountingLoop> counting{};
};

struct Program {
    std::string name;  // after `Algoritmo`
    std::vector<std::string> lines;  // the source, one entry per line, from line 1
    std::vector<Variable> variables;  // in declaration order
    std::vector<Instruction> code;
};

}  // namespace ej::algorithm
