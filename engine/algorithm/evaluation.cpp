// Expressions: a tree of values computed by the machine, with a quick path for the
// numbers and logicals of plain variables, which builds no value at all.
#include <cfloat>
#include <cmath>
#include <limits>

#include "engine/algorithm/machine.h"
#include "engine/algorithm/machine_state.h"
#include "engine/conversions.h"

namespace ej::algorithm {

namespace {

std::size_t characters(const std::string& s) {
    return static_cast<std::size_t>(std::count_if(s.begin(), s.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

// Upper or lower case of ASCII and of the Latin-1 letters (á, ñ, ü …) in UTF-8.
std::string recased(std::string s, bool upper) {
    for (std::size_t i = 0; i < s.size(); ++i) {
        char& c = s[i];
        if (upper && c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
        else if (!upper && c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
        else if (static_cast<unsigned char>(c) == 0xC3 && i + 1 < s.size()) {
            unsigned char& next = reinterpret_cast<unsigned char&>(s[++i]);
            if (upper && next >= 0xA0 && next <= 0xBE && next != 0xB7) next = static_cast<unsigned char>(next - 0x20);
            else if (!upper && next >= 0x80 && next <= 0x9E && next != 0x97) next = static_cast<unsigned char>(next + 0x20);
        }
    }
    return s;
}

// Characters from..to (from 1, both included) of a UTF-8 text.
std::string characterRange(const std::string& s, double from, double to) {
    std::string out;
    double at = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if ((s[i] & 0xC0) != 0x80) ++at;
        if (at >= from && at <= to) out += s[i];
    }
    return out;
}

}  // namespace

// --- the quick path: numbers and logicals of plain variables, with no value built

bool Machine::quick(const Code& c, double& x, bool& whole) const {
    switch (c.op) {
    case Code::Op::Constant:
        if (c.constant.kind != Value::Kind::Number) return false;
        x = c.constant.number;
        whole = c.constant.whole;
        return true;
    case Code::Op::Local: {
        const Slot& s = slots_[frames_.back().base + static_cast<std::size_t>(c.slot)];
        if (s.alias >= 0 || s.value.kind != Value::Kind::Number) return false;
        x = s.value.number;
        whole = s.value.whole;
        return true;
    }
    case Code::Op::Unary:
        if (c.oper != Operator::Negate || !quick(c.args[0], x, whole)) return false;
        x = -x;
        return true;
    case Code::Op::Binary: {
        double a, b;
        bool wa, wb;
        if (!quick(c.args[0], a, wa) || !quick(c.args[1], b, wb)) return false;
        whole = wa && wb;
        switch (c.oper) {
        case Operator::Add: x = a + b; break;
        case Operator::Sub: x = a - b; break;
        case Operator::Mul: x = a * b; break;
        case Operator::Div:
            if (b == 0) return false;
            x = a / b;
            whole = false;
            break;
        case Operator::Mod:
            if (a != std::floor(a) || b != std::floor(b) || b == 0 || std::fabs(a) >= 9e15 || std::fabs(b) >= 9e15)
                return false;
            x = static_cast<double>(static_cast<long long>(a) % static_cast<long long>(b));
            break;
        default: return false;
        }
        return std::isfinite(x);
    }
    default: return false;
    }
}

bool Machine::testQuickly(const Code& c, bool& holds) const {
    if (c.op == Code::Op::Local) {
        const Slot& s = slots_[frames_.back().base + static_cast<std::size_t>(c.slot)];
        if (s.alias >= 0 || s.value.kind != Value::Kind::Logical) return false;
        holds = s.value.logical;
        return true;
    }
    if (c.op != Code::Op::Binary) return false;
    double a, b;
    bool wa, wb;
    switch (c.oper) {
    case Operator::Eq: case Operator::Ne: case Operator::Lt: case Operator::Le: case Operator::Gt: case Operator::Ge:
        if (!quick(c.args[0], a, wa) || !quick(c.args[1], b, wb)) return false;
        break;
    default: return false;
    }
    switch (c.oper) {
    case Operator::Eq: holds = a == b; break;
    case Operator::Ne: holds = a != b; break;
    case Operator::Lt: holds = a < b; break;
    case Operator::Le: holds = a <= b; break;
    case Operator::Gt: holds = a > b; break;
    default: holds = a >= b; break;
    }
    return true;
}

bool Machine::assignQuickly(const Instruction& in) {
    if (!in.place.subscripts.empty()) return false;
    const std::size_t k = frames_.back().base + static_cast<std::size_t>(in.place.slot);
    Slot& s = slots_[k];
    if (s.alias >= 0 || s.array) return false;
    double x;
    bool whole;
    if (s.type == DataType::Logico && in.exprs[0].op == Code::Op::Constant && in.exprs[0].constant.kind == Value::Kind::Logical) {
        s.value.kind = Value::Kind::Logical;
        s.value.logical = in.exprs[0].constant.logical;
    } else if ((s.type == DataType::Entero || s.type == DataType::Real) && quick(in.exprs[0], x, whole)) {
        // What storeInto does with a number, where nothing can go wrong.
        if (s.type == DataType::Entero ? x != std::floor(x) : !(std::fabs(x) <= FLT_MAX)) return false;
        s.value.kind = Value::Kind::Number;
        s.value.whole = s.type == DataType::Entero;
        s.value.number = s.type == DataType::Entero ? x : static_cast<double>(static_cast<float>(x));
    } else {
        return false;
    }
    if (observer_ && k < program_->variables.size()) observer_->assigned(static_cast<int>(k));
    return true;
}

// --- expressions

bool Machine::truth(const Value& v, std::string_view what) {
    if (v.kind != Value::Kind::Logical)
        fail(std::string(what) + " debe ser Verdadero o Falso, y es " + describe(v));
    return v.logical;
}

double Machine::numberOf(const Value& v, std::string_view what) {
    if (v.kind == Value::Kind::None) return 0;
    if (v.loose) return v.number;
    if (v.kind != Value::Kind::Number) fail(std::string(what) + " debe ser un número, y es " + describe(v));
    return v.number;
}

Value Machine::eval(const Code& c) {
    switch (c.op) {
    case Code::Op::Constant: return c.constant;
    case Code::Op::Local:
    case Code::Op::Element: {
        // A variable with no value yet reads as its type's empty value, as in PSeInt.
        const Ref r = resolve(c.slot, c.args);
        const Value& v = valueAt(r);
        return v.kind == Value::Kind::None ? zeroOf(typeAt(r)) : v;
    }
    case Code::Op::Unary: {
        Value v = eval(c.args[0]);
        if (c.oper == Operator::Not) return Value::ofLogical(!truth(v, "lo que sigue a NO"));
        numberOf(v, std::string("lo que sigue al signo ") + operatorText(c.oper));
        if (c.oper == Operator::Negate) v.number = -v.number;
        return v;
    }
    case Code::Op::Binary: return binary(c);
    case Code::Op::Builtin: return builtin(c);
    case Code::Op::Call: return callFunction(c);
    }
    return {};
}

const Value& Machine::operand(const Code& c, Value& scratch) {
    if (c.op == Code::Op::Constant) return c.constant;
    if (c.op == Code::Op::Local) {
        const Slot& s = slots_[frames_.back().base + static_cast<std::size_t>(c.slot)];
        if (s.alias < 0 && s.value.kind != Value::Kind::None) return s.value;
    }
    scratch = eval(c);
    return scratch;
}

Value Machine::binary(const Code& c) {
    const Operator op = c.oper;
    Value keptA, keptB;
    const Value* a = &operand(c.args[0], keptA);
    if (op == Operator::And || op == Operator::Or) {
        // Y and O look at their right side only when the left does not decide.
        const std::string sign = operatorText(op);
        const bool left = truth(*a, "lo que está a la izquierda de " + sign);
        if (left == (op == Operator::Or)) return Value::ofLogical(left);
        return Value::ofLogical(truth(eval(c.args[1]), "lo que está a la derecha de " + sign));
    }
    // A call on the right may move or change the variable read on the left.
    if (c.args[1].calls && a != &keptA) {
        keptA = *a;
        a = &keptA;
    }
    const Value* b = &operand(c.args[1], keptB);
    if (a->kind == Value::Kind::Number && b->kind == Value::Kind::Number) return numbers(c, *a, *b);
    return mixed(c, *a, *b);
}

// Two operands that are not both numbers: texts, logicals, values still empty or typed
// into a variable of no type.
Value Machine::mixed(const Code& c, Value a, Value b) {
    const Operator op = c.oper;
    // A value still empty (a variable of no type that never had one) takes the other's kind.
    const auto emptyLike = [](const Value& other) {
        return other.kind == Value::Kind::None || other.loose ? Value::ofNumber(0, true) : zeroOf(typeOf(other));
    };
    if (a.kind == Value::Kind::None) a = emptyLike(b);
    if (b.kind == Value::Kind::None) b = emptyLike(a);
    const auto numeric = [](const Value& v) { return v.kind == Value::Kind::Number || v.loose; };
    if (numeric(a) && numeric(b)) return numbers(c, Value::ofNumber(a.number, a.whole), Value::ofNumber(b.number, b.whole));
    where_ = c.span;
    const std::string sign = operatorText(op);
    const bool texts = a.kind == Value::Kind::Text && b.kind == Value::Kind::Text;
    switch (op) {
    case Operator::Eq:
    case Operator::Ne: {
        if (a.kind != b.kind) fail("no se puede comparar " + describe(a) + " con " + describe(b));
        const bool same = texts ? a.text == b.text : a.logical == b.logical;
        return Value::ofLogical(same == (op == Operator::Eq));
    }
    case Operator::Lt:
    case Operator::Le:
    case Operator::Gt:
    case Operator::Ge: {
        if (!texts && (a.kind == Value::Kind::Logical || b.kind == Value::Kind::Logical))
            fail("el operador " + sign + " no ordena valores lógicos: ¿una comparación encadenada, como 1 < x < 3?");
        if (!texts) break;
        const int order = a.text.compare(b.text);
        return Value::ofLogical(op == Operator::Lt ? order < 0 : op == Operator::Le ? order <= 0
                                : op == Operator::Gt ? order > 0 : order >= 0);
    }
    case Operator::Add:
        if (!texts) break;
        a.text += b.text;
        checkText(a.text);
        return a;
    default: break;
    }
    fail("el operador " + sign + " no puede operar " + describe(a) + " con " + describe(b));
}

Value Machine::numbers(const Code& c, const Value& a, const Value& b) {
    const double x = a.number, y = b.number;
    const bool whole = a.whole && b.whole;
    double r = 0;
    switch (c.oper) {
    case Operator::Eq: return Value::ofLogical(x == y);
    case Operator::Ne: return Value::ofLogical(x != y);
    case Operator::Lt: return Value::ofLogical(x < y);
    case Operator::Le: return Value::ofLogical(x <= y);
    case Operator::Gt: return Value::ofLogical(x > y);
    case Operator::Ge: return Value::ofLogical(x >= y);
    case Operator::Add: r = x + y; break;
    case Operator::Sub: r = x - y; break;
    case Operator::Mul: r = x * y; break;
    case Operator::Div:
        where_ = c.span;
        if (y == 0) fail("división por cero: " + text(a) + " / 0");
        r = x / y;
        if (!std::isfinite(r)) fail("desborde: el resultado de la división es demasiado grande");
        return Value::ofNumber(r);
    case Operator::Mod:
        where_ = c.span;
        if (x != std::floor(x) || y != std::floor(y)) fail("MOD necesita números enteros, y recibió " + text(a) + " y " + text(b));
        if (y == 0) fail("división por cero: " + text(a) + " MOD 0");
        // Whole numbers a long holds divide as integers, as fmod would, only sooner.
        if (std::fabs(x) < 9e15 && std::fabs(y) < 9e15)
            r = static_cast<double>(static_cast<long long>(x) % static_cast<long long>(y));
        else
            r = std::fmod(x, y);
        break;
    case Operator::Pow:
        r = std::pow(x, y);
        where_ = c.span;
        if (std::isnan(r)) fail("la potencia " + text(a) + " ^ " + text(b) + " no es un número real");
        if (!std::isfinite(r)) fail("desborde: el resultado de " + text(a) + " ^ " + text(b) + " es demasiado grande");
        return Value::ofNumber(r, whole && y >= 0);
    default: break;
    }
    if (!std::isfinite(r)) {
        where_ = c.span;
        fail(std::string("desborde: el resultado de ") + operatorText(c.oper) + " es demasiado grande");
    }
    return Value::ofNumber(r, whole);
}

Value Machine::builtin(const Code& c) {
    std::vector<Value> args;
    args.reserve(c.args.size());
    for (const Code& a : c.args) args.push_back(eval(a));
    where_ = c.span;
    const auto number = [&](std::size_t k) { return numberOf(args[k], "el argumento"); };
    const auto textArg = [&](std::size_t k) -> const std::string& {
        if (args[k].kind == Value::Kind::None) args[k] = Value::ofText("");
        if (args[k].kind != Value::Kind::Text) fail("el argumento debe ser un texto, y es " + describe(args[k]));
        return args[k].text;
    };
    const auto real = [&](double r) {
        if (!std::isfinite(r)) fail("el resultado de la función no es un número real");
        return Value::ofNumber(r);
    };
    const auto wholeArg = [&](std::size_t k) {
        const double n = number(k);
        if (n != std::floor(n)) fail("el argumento debe ser entero, y es " + text(args[k]));
        return n;
    };
    switch (c.builtin) {
    case Builtin::Trunc: return Value::ofNumber(std::trunc(number(0)), true);
    case Builtin::Redon: return Value::ofNumber(std::round(number(0)), true);
    case Builtin::Abs: return Value::ofNumber(std::fabs(number(0)), args[0].whole);
    case Builtin::Raiz:
        if (number(0) < 0) fail("raiz de un número negativo: " + text(args[0]));
        return real(std::sqrt(number(0)));
    case Builtin::Ln:
        if (number(0) <= 0) fail("ln de un número que no es positivo: " + text(args[0]));
        return real(std::log(number(0)));
    case Builtin::Exp: return real(std::exp(number(0)));
    case Builtin::Sen: return real(std::sin(number(0)));
    case Builtin::Cos: return real(std::cos(number(0)));
    case Builtin::Tan: return real(std::tan(number(0)));
    case Builtin::Atan: return real(std::atan(number(0)));
    case Builtin::Azar: {
        const double n = wholeArg(0);
        if (n < 1 || n > 2147483647.0) fail("azar necesita un entero de 1 o más, y recibió " + text(args[0]));
        return Value::ofNumber(static_cast<double>(std::uniform_int_distribution<long>(0, static_cast<long>(n) - 1)(random_)), true);
    }
    case Builtin::Aleatorio: {
        double low = wholeArg(0), high = wholeArg(1);
        if (low > high) std::swap(low, high);
        if (low < -2147483648.0 || high > 2147483647.0) fail("aleatorio necesita dos enteros entre -2147483648 y 2147483647");
        return Value::ofNumber(static_cast<double>(std::uniform_int_distribution<long>(static_cast<long>(low), static_cast<long>(high))(random_)),
                               true);
    }
    case Builtin::Longitud: return Value::ofNumber(static_cast<double>(characters(textArg(0))), true);
    case Builtin::Mayusculas: return Value::ofText(recased(textArg(0), true));
    case Builtin::Minusculas: return Value::ofText(recased(textArg(0), false));
    case Builtin::Subcadena: return Value::ofText(characterRange(textArg(0), number(1), number(2)));
    case Builtin::Concatenar: {
        Value joined = Value::ofText(textArg(0) + textArg(1));
        checkText(joined.text);
        return joined;
    }
    case Builtin::ConvertirANumero: {
        const std::string& t = textArg(0);
        if (!isNumeric(t, format_)) fail("ConvertirANumero recibió \"" + t + "\", que no es un número");
        const double n = readValue(t, format_);
        return Value::ofNumber(n, n == std::floor(n));
    }
    case Builtin::ConvertirATexto: number(0); return Value::ofText(text(args[0]));
    }
    return {};
}

}  // namespace ej::algorithm
