#pragma once

// The machine's insides, shared by its source files (machine.cpp: the loop over the
// instructions, variables and calls; evaluation.cpp: expressions; counting_loop.cpp).
#include <memory>
#include <string>
#include <vector>

#include "engine/algorithm/machine.h"

namespace ej::algorithm {

// Elements are stored as far as they have been written: a vector may be given a size
// far beyond what it holds, as the windows' vectors are.
struct Machine::Array {
    std::vector<double> sizes;
    double count = 0;             // all the elements it has, row by row
    std::vector<Value> elements;  // those stored, from the first
    Value fill;                   // what the rest hold
};

struct Machine::Slot {
    Value value;
    DataType type = DataType::Unknown;  // as defined, or as its first value made it
    long alias = -1;         // a parameter Por Referencia, or an array passed: the slot it stands for
    long aliasElement = -1;  // … or one of that slot's elements
    std::shared_ptr<Array> array;
};

struct Machine::Frame {
    int procedure = 0;
    std::size_t base = 0;
    long returnTo = -1;  // the instruction after its call; -1 for a function inside an expression
};

// Where a value lives: a slot of the stack, or one of its array's elements.
struct Machine::Ref {
    std::size_t slot = 0;
    long element = -1;
};

class Machine::Failure {
public:
    explicit Failure(std::string message) : message(std::move(message)) {}
    std::string message;
};

// What a variable of that type holds before it is given a value.
inline Value zeroOf(DataType type) {
    switch (type) {
    case DataType::Entero: return Value::ofNumber(0, true);
    case DataType::Real: return Value::ofNumber(0);
    case DataType::Logico: return Value::ofLogical(false);
    case DataType::Texto: return Value::ofText("");
    case DataType::Unknown: break;
    }
    return {};
}

inline DataType typeOf(const Value& v) {
    switch (v.kind) {
    case Value::Kind::Number: return DataType::Real;
    case Value::Kind::Logical: return DataType::Logico;
    case Value::Kind::Text: return DataType::Texto;
    case Value::Kind::None: break;
    }
    return DataType::Unknown;
}

}  // namespace ej::algorithm
