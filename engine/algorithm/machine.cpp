#include "engine/algorithm/machine.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <limits>

#include "engine/algorithm/machine_state.h"
#include "engine/conversions.h"
#include "engine/single.h"

namespace ej::algorithm {

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
                returned_ = valueAt(resolve(p.result, {}));
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
        if (!testQuickly(in.exprs[0], holds)) holds = truth(eval(in.exprs[0]), "la condición");
        if (observer_) observer_->conditionEvaluated(in.line, holds, 1);
        pc_ = holds == in.jumpIf ? static_cast<std::size_t>(in.jump) : next;
        return;
    }
    case Op::Jump: next = static_cast<std::size_t>(in.jump); break;
    case Op::ForInit: {
        Value start = eval(in.exprs[0]);
        const double from = numberOf(start, "el valor inicial del Para");
        const double to = numberOf(eval(in.exprs[1]), "el valor final del Para");
        double step = to < from ? -1 : 1;  // with no step, it counts down to an end below the start
        if (in.exprs.size() > 2) step = numberOf(eval(in.exprs[2]), "el paso del Para");
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
        const double at = numberOf(v, "la variable del Para");
        const bool holds = step > 0 ? at <= to : at >= to;
        if (observer_) observer_->conditionEvaluated(in.line, holds, 1);
        pc_ = holds ? next : static_cast<std::size_t>(in.jump);
        return;
    }
    case Op::ForStep: {
        const std::size_t kept = frames_.back().base + static_cast<std::size_t>(in.hidden);
        const Value& v = valueAt(resolve(in.place));
        const double at = numberOf(v, "la variable del Para");
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

// --- variables

Machine::Ref Machine::resolve(const Place& place) { return resolve(place.slot, place.subscripts); }

Machine::Ref Machine::resolve(int slot, const std::vector<Code>& subscripts) {
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
        const double i = numberOf(eval(subscripts[k]), "el subíndice de " + name);
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
        const double n = numberOf(eval(size), "el tamaño de " + name);
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
            std::string word = asciiLower(typed);
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
            const Ref r = resolve(a.slot, a.args);
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

}  // namespace ej::algorithm
