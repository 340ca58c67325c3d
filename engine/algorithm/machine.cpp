#include "engine/algorithm/machine.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <limits>

#include "engine/conversions.h"
#include "engine/single.h"
#include "engine/stepping.h"

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

namespace {

Value zeroOf(DataType type) {
    switch (type) {
    case DataType::Entero: return Value::ofNumber(0, true);
    case DataType::Real: return Value::ofNumber(0);
    case DataType::Logico: return Value::ofLogical(false);
    case DataType::Texto: return Value::ofText("");
    case DataType::Unknown: break;
    }
    return {};
}

DataType typeOf(const Value& v) {
    switch (v.kind) {
    case Value::Kind::Number: return DataType::Real;
    case Value::Kind::Logical: return DataType::Logico;
    case Value::Kind::Text: return DataType::Texto;
    case Value::Kind::None: break;
    }
    return DataType::Unknown;
}

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

Machine::Machine(std::shared_ptr<const Program> program, NumberFormat format, Limits limits)
    : program_(std::move(program)), format_(std::move(format)), limits_(limits) {}

Machine::~Machine() = default;

void Machine::fail(std::string message) const { throw Failure(std::move(message)); }

Machine::Status Machine::start() {
    slots_.clear();
    frames_.clear();
    input_.clear();
    elementsInUse_ = 0;
    nested_ = 0;
    fault_.reset();
    const ProcedureCode& main = program_->procedures[static_cast<std::size_t>(program_->main)];
    slots_.resize(static_cast<std::size_t>(main.frameSize));
    for (std::size_t k = 0; k < main.variables.size(); ++k) slots_[k].type = main.variables[k].type;
    frames_.push_back({program_->main, 0, -1});
    pc_ = static_cast<std::size_t>(main.entry);
    status_ = Status::Waiting;
    return go();
}

Machine::Status Machine::resume() {
    if (status_ != Status::Waiting) return status_;
    return go();
}

Machine::Status Machine::go() {
    budget_ = limits_.budget;
    const char base = 0;
    stackBase_ = &base;
    try {
        execute();
    } catch (const Failure& f) {
        const Instruction& in = program_->code[pc_];
        status_ = Status::Faulted;
        fault_ = Fault{in.line, where_.line() == in.line ? where_ : in.span, f.message};
    }
    return status_;
}

int Machine::line() const {
    if (status_ == Status::Faulted && fault_) return fault_->line;
    return program_->code[pc_].line;
}

const Value& Machine::variable(int slot) const {
    static const Value kNone;
    const auto k = static_cast<std::size_t>(slot);
    if (k >= slots_.size()) return kNone;
    const Slot& s = slots_[k];
    return s.value;
}

double Machine::arraySize(int slot) const {
    const auto k = static_cast<std::size_t>(slot);
    return k < slots_.size() && slots_[k].array ? slots_[k].array->count : 0;
}

const Value& Machine::element(int slot, std::size_t k) const {
    const Array& a = *slots_[static_cast<std::size_t>(slot)].array;
    return k < a.elements.size() ? a.elements[k] : a.fill;
}

std::string Machine::text(const Value& v) const {
    switch (v.kind) {
    case Value::Kind::None: return "";
    case Value::Kind::Logical: return v.logical ? "VERDADERO" : "FALSO";
    case Value::Kind::Text: return v.text;
    case Value::Kind::Number: break;
    }
    const double n = v.number;
    if (v.whole && std::fabs(n) < 1e15) return std::to_string(static_cast<long long>(n));
    if (std::fabs(n) <= FLT_MAX) return singleText(static_cast<float>(n), format_);
    // Beyond a single's range, as the single text form writes its large numbers.
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.6E", n);
    std::string out(buf);
    const std::size_t point = out.find_first_of(".,");
    if (point != std::string::npos) out.replace(point, 1, format_.decimal);
    return out;
}

std::string Machine::describe(const Value& v) const {
    switch (v.kind) {
    case Value::Kind::Number: return "el número " + text(v);
    case Value::Kind::Logical: return "el valor lógico " + text(v);
    case Value::Kind::Text: return "el texto \"" + v.text + "\"";
    case Value::Kind::None: break;
    }
    return "un valor vacío";
}

const std::string& Machine::nameOf(int slot) const {
    static const std::string kNone = "?";
    const auto& vars = program_->procedures[static_cast<std::size_t>(frames_.back().procedure)].variables;
    return static_cast<std::size_t>(slot) < vars.size() ? vars[static_cast<std::size_t>(slot)].name : kNone;
}

void Machine::checkText(const std::string& text) const {
    if (text.size() > limits_.textLength)
        fail("el texto resultante tiene más de " + std::to_string(limits_.textLength) + " caracteres");
}

// --- the loop over the instructions

void Machine::execute() {
    const auto& code = program_->code;
    for (;;) {
        const Instruction& in = code[pc_];
        if (--budget_ < 0) {
            // The innermost loop around the instruction where the budget ran out.
            const Loop* around = nullptr;
            for (const Loop& l : program_->loops)
                if (static_cast<std::size_t>(l.begin) <= pc_ && pc_ < static_cast<std::size_t>(l.end) &&
                    (!around || l.end - l.begin < around->end - around->begin))
                    around = &l;
            fail("el algoritmo ejecutó " + std::to_string(limits_.budget) + " instrucciones sin llegar a un Leer ni al final" +
                 (around ? ": el ciclo de la línea " + std::to_string(around->line) + " no termina" : std::string()));
        }
        where_ = in.span;
        if (in.mark != Instruction::Mark::None && observer_) {
            const Loop& loop = program_->loops[static_cast<std::size_t>(in.loop)];
            if (in.mark == Instruction::Mark::LoopEnter)
                observer_->loopEntered(loop);
            else
                observer_->passEnded(loop);
        }
        switch (in.op) {
        case Instruction::Op::Read:
            if (input_.empty() && refill_) refill_();
            if (input_.empty()) {
                if (nested_ > 0) fail("este Leer está en una función usada dentro de una expresión y no hay un valor que leer");
                status_ = Status::Waiting;
                if (observer_) observer_->readWaiting(in.line);
                return;
            }
            read(in);
            break;
        case Instruction::Op::End:
            if (observer_) observer_->lineRan(in.line, 1);
            status_ = Status::Ended;
            return;
        case Instruction::Op::Return: {
            if (observer_) observer_->lineRan(in.line, 1);
            const Frame frame = frames_.back();
            const ProcedureCode& p = program_->procedures[static_cast<std::size_t>(frame.procedure)];
            if (p.result >= 0) {
                returned_ = valueAt(resolve(p.result, {}, in.span));
                if (returned_.kind == Value::Kind::None)
                    fail("la función " + p.name + " termina sin dar un valor a " + nameOf(p.result));
            }
            slots_.resize(frame.base);
            frames_.pop_back();
            if (frame.returnTo < 0) return;  // to the expression that called it
            pc_ = static_cast<std::size_t>(frame.returnTo);
            break;
        }
        default:
            stepInstruction(in);
            break;
        }
    }
}

void Machine::stepInstruction(const Instruction& in) {
    using Op = Instruction::Op;
    std::size_t next = pc_ + 1;
    switch (in.op) {
    case Op::Nop: break;
    case Op::Declare: declare(in); break;
    case Op::Dimension: dimension(in); break;
    case Op::Assign:
        if (!assignQuickly(in)) store(in.place, eval(in.exprs[0]));
        break;
    case Op::Select: {
        Value chosen = eval(in.exprs[0]);
        if (chosen.kind == Value::Kind::Logical) fail("Segun elige por un número o un texto, y recibió " + describe(chosen));
        store(in.place, std::move(chosen));
        break;
    }
    case Op::Write: {
        std::string line;
        for (const Code& item : in.exprs) {
            line += text(eval(item));
            checkText(line);
        }
        if (observer_) observer_->written(line, in.newline);
        break;
    }
    case Op::Branch: {
        bool holds;
        if (!testQuickly(in.exprs[0], holds)) holds = truth(eval(in.exprs[0]), in.exprs[0], "la condición");
        if (observer_) observer_->conditionEvaluated(in.line, holds, 1);
        pc_ = holds == in.jumpIf ? static_cast<std::size_t>(in.jump) : next;
        return;
    }
    case Op::Jump: next = static_cast<std::size_t>(in.jump); break;
    case Op::ForInit: {
        Value start = eval(in.exprs[0]);
        const double from = numberOf(start, in.exprs[0], "el valor inicial del Para");
        const double to = numberOf(eval(in.exprs[1]), in.exprs[1], "el valor final del Para");
        double step = to < from ? -1 : 1;  // with no step, it counts down to an end below the start
        if (in.exprs.size() > 2) step = numberOf(eval(in.exprs[2]), in.exprs[2], "el paso del Para");
        if (step == 0) fail("el paso del Para vale 0: el ciclo no avanzaría");
        const std::size_t kept = frames_.back().base + static_cast<std::size_t>(in.hidden);
        slots_[kept].value = Value::ofNumber(to);
        slots_[kept + 1].value = Value::ofNumber(step);
        store(in.place, std::move(start));
        break;
    }
    case Op::ForTest: {
        const std::size_t kept = frames_.back().base + static_cast<std::size_t>(in.hidden);
        const double to = slots_[kept].value.number;
        const double step = slots_[kept + 1].value.number;
        const Value& v = valueAt(resolve(in.place));
        const double at = numberOf(v, Code{.span = in.place.span}, "la variable del Para");
        const bool holds = step > 0 ? at <= to : at >= to;
        if (observer_) observer_->conditionEvaluated(in.line, holds, 1);
        pc_ = holds ? next : static_cast<std::size_t>(in.jump);
        return;
    }
    case Op::ForStep: {
        const std::size_t kept = frames_.back().base + static_cast<std::size_t>(in.hidden);
        const Value& v = valueAt(resolve(in.place));
        const double at = numberOf(v, Code{.span = in.place.span}, "la variable del Para");
        store(in.place, Value::ofNumber(at + slots_[kept + 1].value.number));
        break;
    }
    case Op::Count:
        if (accelerated_ && countingLoop(in)) return;
        break;
    case Op::Call:
        if (in.counted && observer_) observer_->lineRan(in.line, 1);
        enter(in.exprs[0], static_cast<long>(next));
        return;
    case Op::Read:
    case Op::Return:
    case Op::End: break;
    }
    if (in.counted && observer_) observer_->lineRan(in.line, 1);
    pc_ = next;
}

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

// --- variables

Machine::Ref Machine::resolve(const Place& place) { return resolve(place.slot, place.subscripts, place.span); }

Machine::Ref Machine::resolve(int slot, const std::vector<Code>& subscripts, Span) {
    Ref r{frames_.back().base + static_cast<std::size_t>(slot), -1};
    const Slot& s = slots_[r.slot];
    if (s.alias >= 0) r = {static_cast<std::size_t>(s.alias), s.aliasElement};
    if (!subscripts.empty()) {
        const std::string& name = nameOf(slot);
        const Slot& target = slots_[r.slot];
        if (r.element >= 0 || !target.array) fail(name + " no tiene dimensión: falta Dimension " + name + "[…] antes de usar sus elementos");
        r.element = offset(*target.array, subscripts, name);
    }
    return r;
}

long Machine::offset(const Array& a, const std::vector<Code>& subscripts, const std::string& name) {
    // In double precision: a size may pass what a long holds, never what is stored.
    if (subscripts.size() != a.sizes.size())
        fail(name + " tiene " + std::to_string(a.sizes.size()) + (a.sizes.size() == 1 ? " subíndice" : " subíndices") +
             ", y se usa con " + std::to_string(subscripts.size()));
    double at = 0;
    for (std::size_t k = 0; k < subscripts.size(); ++k) {
        const double i = numberOf(eval(subscripts[k]), subscripts[k], "el subíndice de " + name);
        where_ = subscripts[k].span;
        if (i != std::floor(i)) fail("el subíndice de " + name + " debe ser entero, y es " + text(Value::ofNumber(i)));
        if (i < 1 || i > a.sizes[k])
            fail("el subíndice " + text(Value::ofNumber(i, true)) + " está fuera del arreglo " + name + ", que va de 1 a " +
                 text(Value::ofNumber(a.sizes[k], true)));
        at = at * a.sizes[k] + i - 1;
    }
    return at < 9e18 ? static_cast<long>(at) : std::numeric_limits<long>::max();
}

const Value& Machine::valueAt(Ref ref) const {
    const Slot& s = slots_[ref.slot];
    if (ref.element < 0) return s.value;
    const Array& a = *s.array;
    return static_cast<std::size_t>(ref.element) < a.elements.size() ? a.elements[static_cast<std::size_t>(ref.element)] : a.fill;
}

Value& Machine::writable(Ref ref) {
    Slot& s = slots_[ref.slot];
    if (ref.element < 0) return s.value;
    Array& a = *s.array;
    const auto k = static_cast<std::size_t>(ref.element);
    if (k >= a.elements.size()) {
        const long growth = static_cast<long>(k + 1 - a.elements.size());
        if (growth > limits_.elements - elementsInUse_)
            fail("el algoritmo guarda más de " + std::to_string(limits_.elements) + " elementos entre todos sus arreglos");
        elementsInUse_ += growth;
        a.elements.resize(k + 1, a.fill);
    }
    return a.elements[k];
}

DataType& Machine::typeAt(Ref ref) { return slots_[ref.slot].type; }

void Machine::store(const Place& place, Value value) {
    const Ref r = resolve(place);
    storeInto(r, std::move(value), nameOf(place.slot));
}

void Machine::storeInto(Ref ref, Value v, const std::string& name) {
    DataType& type = typeAt(ref);
    if (v.kind == Value::Kind::None) v = zeroOf(type);
    if (v.loose && (type == DataType::Entero || type == DataType::Real)) v = Value::ofNumber(v.number);
    if (v.loose && type != DataType::Unknown) v.loose = false;  // a text, for what follows to judge
    if (v.kind == Value::Kind::Number && !std::isfinite(v.number))
        fail("desborde: el número no cabe en la variable " + name);
    if (v.loose) {  // still of no type: it keeps the text as typed
        writable(ref) = std::move(v);
        return;
    }
    if (type == DataType::Unknown) type = typeOf(v);
    const auto refuse = [&](const std::string& why) {
        fail(name + " es " + typeName(type) + " y no puede guardar " + describe(v) + why);
    };
    switch (type) {
    case DataType::Entero:
        if (v.kind != Value::Kind::Number) refuse("");
        if (v.number != std::floor(v.number)) refuse(", que tiene decimales");
        v.whole = true;
        break;
    case DataType::Real:
        if (v.kind != Value::Kind::Number) refuse("");
        try {
            v.number = toSingle(v.number).value();
        } catch (const ArithmeticFault&) {
            fail("desborde: " + describe(v) + " no cabe en la variable " + name + ", de precisión simple");
        }
        v.whole = false;
        break;
    case DataType::Logico:
        if (v.kind != Value::Kind::Logical) refuse("");
        break;
    case DataType::Texto:
        if (v.kind != Value::Kind::Text) refuse("");
        break;
    case DataType::Unknown: break;
    }
    writable(ref) = std::move(v);
    if (observer_ && frames_.size() >= 1 && ref.slot < program_->variables.size()) observer_->assigned(static_cast<int>(ref.slot));
}

void Machine::declare(const Instruction& in) {
    Slot& s = slots_[frames_.back().base + static_cast<std::size_t>(in.place.slot)];
    const ProcedureCode& p = program_->procedures[static_cast<std::size_t>(frames_.back().procedure)];
    const bool parameter = in.place.slot < static_cast<int>(p.byReference.size());
    if (parameter) {
        // A parameter keeps the value it came with, which must suit its type.
        const Ref r = resolve(in.place);
        typeAt(r) = in.type;
        if (valueAt(r).kind != Value::Kind::None) storeInto(r, valueAt(r), nameOf(in.place.slot));
        return;
    }
    s.type = in.type;
    s.value = s.array ? Value{} : zeroOf(in.type);
    if (s.array) {
        s.array->fill = zeroOf(in.type);
        std::fill(s.array->elements.begin(), s.array->elements.end(), s.array->fill);
    }
}

void Machine::dimension(const Instruction& in) {
    const std::string& name = nameOf(in.place.slot);
    auto array = std::make_shared<Array>();
    array->count = 1;
    for (const Code& size : in.exprs) {
        const double n = numberOf(eval(size), size, "el tamaño de " + name);
        if (n < 1 || n != std::floor(n))
            fail("el tamaño del arreglo " + name + " debe ser un entero de 1 o más, y es " + text(Value::ofNumber(n)));
        array->sizes.push_back(n);
        array->count *= n;
    }
    if (array->count > limits_.size)
        fail("el arreglo " + name + " tendría " + text(Value::ofNumber(array->count, true)) + " elementos, y el límite es " +
             text(Value::ofNumber(limits_.size, true)));
    Slot& s = slots_[frames_.back().base + static_cast<std::size_t>(in.place.slot)];
    if (s.array) fail("el arreglo " + name + " ya tiene su Dimension: su tamaño no cambia");
    array->fill = zeroOf(s.type);
    s.array = std::move(array);
    s.value = {};
}

void Machine::read(const Instruction& in) {
    Value given = std::move(input_.front());
    input_.pop_front();
    const Ref r = resolve(in.place);
    const std::string& name = nameOf(in.place.slot);
    const DataType type = typeAt(r);
    if (given.kind == Value::Kind::Text) {
        const std::string& typed = given.text;
        const bool numeric = isNumeric(typed, format_);
        switch (type) {
        case DataType::Entero:
        case DataType::Real:
            if (!numeric) fail("se esperaba un número para " + name + ", y se ingresó \"" + typed + "\"");
            given = Value::ofNumber(readValue(typed, format_));
            break;
        case DataType::Logico: {
            std::string word = recased(typed, false);
            word.erase(0, word.find_first_not_of(' '));
            word.erase(word.find_last_not_of(' ') + 1);
            const bool yes = word == "verdadero" || word == "v" || word == "1";
            if (!yes && word != "falso" && word != "f" && word != "0")
                fail("se esperaba Verdadero o Falso para " + name + ", y se ingresó \"" + typed + "\"");
            given = Value::ofLogical(yes);
            break;
        }
        case DataType::Texto: break;
        case DataType::Unknown:  // a variable of no type keeps what was typed, as typed
            if (numeric && std::isfinite(readValue(typed, format_))) {
                given.loose = true;
                given.number = readValue(typed, format_);
            }
            break;
        }
    }
    storeInto(r, std::move(given), name);
    if (in.counted && observer_) observer_->lineRan(in.line, 1);
    ++pc_;
}

// --- expressions

bool Machine::truth(const Value& v, const Code&, const char* what) {
    if (v.kind != Value::Kind::Logical)
        fail(std::string(what) + " debe ser Verdadero o Falso, y es " + describe(v));
    return v.logical;
}

double Machine::numberOf(const Value& v, const Code&, const std::string& what) {
    if (v.kind == Value::Kind::None) return 0;
    if (v.loose) return v.number;
    if (v.kind != Value::Kind::Number) fail(what + " debe ser un número, y es " + describe(v));
    return v.number;
}

Value Machine::eval(const Code& c) {
    switch (c.op) {
    case Code::Op::Constant: return c.constant;
    case Code::Op::Local:
    case Code::Op::Element: {
        // A variable with no value yet reads as its type's empty value, as in PSeInt.
        const Ref r = resolve(c.slot, c.args, c.span);
        const Value& v = valueAt(r);
        return v.kind == Value::Kind::None ? zeroOf(typeAt(r)) : v;
    }
    case Code::Op::Unary: {
        Value v = eval(c.args[0]);
        if (c.oper == Operator::Not) return Value::ofLogical(!truth(v, c, "lo que sigue a NO"));
        numberOf(v, c, std::string("lo que sigue al signo ") + operatorText(c.oper));
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
        const bool left = truth(*a, c, ("lo que está a la izquierda de " + sign).c_str());
        if (left == (op == Operator::Or)) return Value::ofLogical(left);
        return Value::ofLogical(truth(eval(c.args[1]), c, ("lo que está a la derecha de " + sign).c_str()));
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
    const auto number = [&](std::size_t k) { return numberOf(args[k], c, "el argumento"); };
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

// --- calls

void Machine::enter(const Code& call, long returnTo) {
    const ProcedureCode& p = program_->procedures[static_cast<std::size_t>(call.slot)];
    // A function called inside an expression runs on the program's own stack: the
    // limit is then what that stack may spend, the same in any build.
    const char probe = 0;
    const long spent = std::labs(static_cast<long>(stackBase_ - &probe));
    if (static_cast<int>(frames_.size()) > limits_.depth || (returnTo < 0 && spent > limits_.stack))
        fail("demasiadas llamadas, una dentro de otra: ¿" + p.name + " se llama a sí mismo sin un caso que termine?");
    // The arguments, in the caller's frame: a value, or the place it stands for.
    struct Argument {
        bool byPlace = false;
        Ref place{};
        Value value{};
    };
    std::vector<Argument> arguments;
    for (std::size_t k = 0; k < call.args.size(); ++k) {
        const Code& a = call.args[k];
        const bool variable = a.op == Code::Op::Local || a.op == Code::Op::Element;
        Argument arg;
        if (variable) {
            const Ref r = resolve(a.slot, a.args, a.span);
            const bool array = r.element < 0 && slots_[r.slot].array;
            if ((k < p.byReference.size() && p.byReference[k]) || array) {
                arg.byPlace = true;
                arg.place = r;
            }
        }
        if (!arg.byPlace) arg.value = eval(a);
        arguments.push_back(std::move(arg));
    }
    const std::size_t base = slots_.size();
    slots_.resize(base + static_cast<std::size_t>(p.frameSize));
    for (std::size_t k = arguments.size(); k < p.variables.size(); ++k) slots_[base + k].type = p.variables[k].type;
    frames_.push_back({call.slot, base, returnTo});
    for (std::size_t k = 0; k < arguments.size(); ++k) {
        Slot& s = slots_[base + k];
        if (arguments[k].byPlace) {
            s.alias = static_cast<long>(arguments[k].place.slot);
            s.aliasElement = arguments[k].place.element;
        } else {
            s.type = p.variables[k].type;
            storeInto({base + k, -1}, std::move(arguments[k].value), p.variables[k].name);
        }
    }
    pc_ = static_cast<std::size_t>(p.entry);
}

Value Machine::callFunction(const Code& c) {
    const std::size_t back = pc_;
    enter(c, -1);
    ++nested_;
    execute();
    --nested_;
    pc_ = back;
    return std::move(returned_);
}

// --- a counting loop in one go

bool Machine::countingLoop(const Instruction& in) {
    const CountingLoop& loop = *in.counting;
    // Only plain numeric variables: no array, no parameter standing for another.
    const auto plain = [&](int slot) -> Slot* {
        Slot& s = slots_[frames_.back().base + static_cast<std::size_t>(slot)];
        const bool numeric = s.type == DataType::Real || s.type == DataType::Entero;
        return s.alias < 0 && !s.array && numeric && s.value.kind == Value::Kind::Number ? &s : nullptr;
    };
    Slot* tested = plain(loop.var);
    if (!tested) return false;
    std::vector<double> amounts;
    double bound = 0;
    try {
        for (const auto& s : loop.steps) {
            const Slot* stepped = plain(s.var);
            const Value amount = eval(s.amount);
            if (!stepped || amount.kind != Value::Kind::Number) return false;
            if (stepped->type == DataType::Entero && amount.number != std::floor(amount.number)) return false;
            amounts.push_back(amount.number);
        }
        const Value b = eval(loop.bound);
        if (b.kind != Value::Kind::Number) return false;
        bound = b.number;
    } catch (const Failure&) {
        return false;  // the loop pass by pass meets the fault where it belongs
    }
    const auto own = std::find_if(loop.steps.begin(), loop.steps.end(), [&](const auto& s) { return s.var == loop.var; });
    const double amount = amounts[static_cast<std::size_t>(own - loop.steps.begin())];
    const bool real = tested->type == DataType::Real;

    const ExactWalk exact = exactWalkWhile(tested->value.number, amount, loop.relation, bound);
    if (exact.passes < 0) fail("Este ciclo no termina: cada paso aleja la variable de la condición de salida");
    double passes = exact.passes;
    double last = exact.last;
    std::optional<std::string> stalledNote;
    if (real) {
        const Walk w = walkWhile(static_cast<float>(tested->value.number), amount, loop.relation, bound);
        if (w.stalled) {
            // The loop as written never ends: each step rounds back to where it began.
            // The run goes on with what the loop means, its value in exact arithmetic.
            stalledNote = "Este ciclo no termina en precisión simple: " + nameOf(loop.var) + " deja de cambiar en " +
                          singleText(w.last, format_) + "; se sigue con el valor exacto";
        } else {
            passes = w.passes;
            last = w.last;
        }
    }
    // What each variable ends with; a loop that would overflow one runs pass by pass,
    // and meets the overflow where it happens.
    std::vector<double> after(loop.steps.size());
    for (std::size_t k = 0; k < loop.steps.size(); ++k) {
        const auto& s = loop.steps[k];
        const Slot& slot = slots_[frames_.back().base + static_cast<std::size_t>(s.var)];
        const double now = slot.value.number;
        after[k] = s.var == loop.var ? last
                   : slot.type == DataType::Real ? walkTimes(static_cast<float>(now), amounts[k], passes)
                                                 : now + passes * amounts[k];
        if (!std::isfinite(after[k]) || std::fabs(after[k]) > (slot.type == DataType::Real ? FLT_MAX : 9e15)) return false;
    }
    if (stalledNote && observer_) observer_->noted(in.line, *stalledNote);
    if (observer_) observer_->conditionEvaluated(in.line, false, passes + 1);
    for (std::size_t k = 0; k < loop.steps.size(); ++k) {
        const auto& s = loop.steps[k];
        if (passes > 0 && observer_) observer_->lineRan(s.line, passes);
        if (s.var != loop.var)
            storeInto({frames_.back().base + static_cast<std::size_t>(s.var), -1}, Value::ofNumber(after[k]), nameOf(s.var));
    }
    storeInto({frames_.back().base + static_cast<std::size_t>(loop.var), -1}, Value::ofNumber(last), nameOf(loop.var));
    pc_ = static_cast<std::size_t>(in.jump);
    return true;
}

}  // namespace ej::algorithm
