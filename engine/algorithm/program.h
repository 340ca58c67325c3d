#pragma once

// An algorithm compiled for the runner: a flat list of instructions with jumps, names
// resolved to slots of a frame, each instruction keeping its place in the text. A run can
// stop at a `Leer`, return, and go on from there at the next call.
#include <memory>
#include <string>
#include <vector>

#include "engine/algorithm/diagnostic.h"
#include "engine/algorithm/syntax.h"
#include "engine/algorithm/value.h"
#include "engine/stepping.h"

namespace ej::algorithm {

struct Variable {
    std::string name;  // as first written
    DataType type = DataType::Unknown;  // as defined; Unknown: typed by its first value
    bool array = false;  // given a size by `Dimension`
    Span span{};  // where it first appears
};

enum class Builtin : std::uint8_t {
    Trunc, Redon, Abs, Raiz, Ln, Exp, Sen, Cos, Tan, Atan, Azar, Aleatorio,
    Longitud, Mayusculas, Minusculas, Subcadena, Concatenar, ConvertirANumero, ConvertirATexto,
};

// An expression with its names resolved, evaluated by the runner as a tree.
struct Code {
    enum class Op : std::uint8_t { Constant, Local, Element, Unary, Binary, Builtin, Call };
    Op op = Op::Constant;
    Operator oper = Operator::Add;
    Builtin builtin = Builtin::Trunc;
    int slot = -1;  // Local, Element: the variable's slot; Call: the procedure
    Value constant{};
    Span span{};
    std::vector<Code> args{};  // operands, subscripts, arguments
    bool calls = false;        // a call of a subprocess somewhere in it
};

// Where a value is stored: a variable, or an element of an array.
struct Place {
    int slot = -1;
    std::vector<Code> subscripts{};
    Span span{};
};

// The parts of a `Mientras` loop that only steps variables by amounts it does not
// change, so that it can be run in one go (engine/stepping.h): `var relation bound`.
struct CountingLoop {
    int var = -1;
    Relation relation = Relation::Less;
    Code bound{};
    struct Step {
        int var;
        Code amount;  // added at each pass
        int line;
    };
    std::vector<Step> steps{};  // in the body's order
};

// A loop as an observer sees it: where it is, how deep, whether it reads.
struct Loop {
    int line = 0;
    int depth = 0;       // loops and conditionals around it in its procedure
    bool main = false;   // in the algorithm itself, not a subprocess
    bool reads = false;  // a `Leer` in its body
    bool counting = false;  // run in one go where it can be
    int begin = 0;  // its instructions, from its entry
    int end = 0;    // to one past its last
};

struct Instruction {
    enum class Op : std::uint8_t {
        Nop,        // marks a loop's entry
        Declare,    // place.slot takes `type` and its empty value
        Dimension,  // place.slot sized by exprs
        Assign,     // place <- exprs[0]
        Select,     // place <- exprs[0], the number or text a Segun chooses by
        Read,       // place <- the next value
        Write,      // exprs; newline
        Branch,     // exprs[0] == jumpIf: go to jump
        Jump,       // go to jump
        ForInit,    // place <- exprs[0]; the end and step (exprs[1], exprs[2]) kept at slot+1, +2 of `hidden`
        ForTest,    // place against the end: past it, go to jump
        ForStep,    // place <- place + step
        Count,      // a counting loop run in one go, then go to jump; else on to the loop
        Call,       // exprs[0]: a procedure's call
        Return,     // a subprocess's end
        End,        // FinAlgoritmo
    };
    enum class Mark : std::uint8_t { None, LoopEnter, PassEnd };
    Op op = Op::End;
    Mark mark = Mark::None;
    bool counted = true;  // executing it counts as a run of its line
    bool newline = true;
    bool jumpIf = false;
    DataType type = DataType::Unknown;
    int line = 0;
    Span span{};
    int jump = -1;
    int loop = -1;    // index in Program::loops, for marks and Count
    int hidden = -1;  // a Para's end and step, a Segun's value: slots of its frame
    Place place{};
    std::vector<Code> exprs{};
    std::shared_ptr<const CountingLoop> counting{};
};

struct ProcedureCode {
    std::string name{};
    bool main = false;
    int entry = 0;     // its first instruction
    int end = 0;       // one past its last
    int frameSize = 0;  // its variables and hidden slots
    std::vector<Variable> variables;  // parameters first, then the result, then the rest
    std::vector<bool> byReference;    // for each parameter
    int result = -1;  // the slot of a function's value
    Span span{};
};

struct Program {
    std::string name;                 // after `Algoritmo`
    std::vector<std::string> lines;   // the source, one entry per line, from line 1
    std::vector<Variable> variables;  // the algorithm's own, in the order they appear
    std::vector<Instruction> code;
    std::vector<ProcedureCode> procedures;
    int main = 0;  // the algorithm among the procedures
    std::vector<Loop> loops;
};

}  // namespace ej::algorithm
