#pragma once

// Compiles an algorithm in PSeInt's dialect: its text read into a tree (parser.h), then
// the tree's names resolved to slots and its statements lowered to the runner's flat
// instructions (program.h). Every fault found on the way is reported, none thrown.
#include <memory>
#include <string_view>
#include <vector>

#include "engine/algorithm/diagnostic.h"
#include "engine/algorithm/program.h"
#include "engine/algorithm/syntax.h"

namespace ej::algorithm {

struct Compiled {
    Module tree;
    std::shared_ptr<const Program> program;  // none when the text has faults
    std::vector<Diagnostic> errors;          // in the order of the text
    bool ok() const { return program != nullptr; }
};

Compiled compile(std::string_view source);

// The built-in function of that name (any case), with how many arguments it takes.
struct BuiltinFunction {
    const char* name;
    Builtin builtin;
    int arity;
};
const BuiltinFunction* builtinNamed(std::string_view name);

}  // namespace ej::algorithm
