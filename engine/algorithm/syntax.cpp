#include "engine/algorithm/syntax.h"

namespace ej::algorithm {

const char* typeName(DataType type) {
    switch (type) {
    case DataType::Entero: return "Entero";
    case DataType::Real: return "Real";
    case DataType::Logico: return "Logico";
    case DataType::Texto: return "Texto";
    case DataType::Unknown: break;
    }
    return "sin tipo";
}

const char* operatorText(Operator op) {
    switch (op) {
    case Operator::Add: case Operator::Plus: return "+";
    case Operator::Sub: case Operator::Negate: return "-";
    case Operator::Mul: return "*";
    case Operator::Div: return "/";
    case Operator::Pow: return "^";
    case Operator::Mod: return "MOD";
    case Operator::Eq: return "=";
    case Operator::Ne: return "<>";
    case Operator::Lt: return "<";
    case Operator::Le: return "<=";
    case Operator::Gt: return ">";
    case Operator::Ge: return ">=";
    case Operator::And: return "Y";
    case Operator::Or: return "O";
    case Operator::Not: return "NO";
    }
    return "?";
}

}  // namespace ej::algorithm
