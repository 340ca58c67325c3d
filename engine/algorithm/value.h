#pragma once

// A value of the language: a number, a logical or a text. Expressions compute numbers in
// double precision; a Real variable keeps its value as a single, as the windows do.
#include <cstdint>
#include <string>
#include <utility>

namespace ej::algorithm {

struct Value {
    enum class Kind : std::uint8_t { None, Number, Logical, Text };
    Kind kind = Kind::None;  // None: a variable that has not had a value yet
    bool whole = false;      // a number of whole arithmetic, or an Entero's: written without a fraction
    bool logical = false;
    // A text typed into a variable of no type that reads as a number (number holds it):
    // written as typed, counted as a number where one is needed, as PSeInt does.
    bool loose = false;
    double number = 0;
    std::string text;

    Value() = default;
    static Value ofNumber(double n, bool whole = false) {
        Value v;
        v.kind = Kind::Number;
        v.whole = whole;
        v.number = n;
        return v;
    }
    static Value ofLogical(bool b) {
        Value v;
        v.kind = Kind::Logical;
        v.logical = b;
        return v;
    }
    static Value ofText(std::string t) {
        Value v;
        v.kind = Kind::Text;
        v.text = std::move(t);
        return v;
    }
};

}  // namespace ej::algorithm
