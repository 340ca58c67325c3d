#include "engine/algorithm/run.h"

#include <algorithm>
#include <cmath>

#include "engine/conversions.h"
#include "engine/single.h"

namespace ej::algorithm {

// A run-time fault of the algorithm: it stops there until the next start.
class Run::Fault {
public:
    explicit Fault(std::string text) : text(std::move(text)) {}
    std::string text;
};

Run::Run(std::shared_ptr<const Program> program, NumberFormat format)
    : program_(std::move(program)), format_(std::move(format)) {
    slots_.resize(program_->variables.size());
    lineIndex_.assign(program_->lines.size() + 2, -1);
}

bool Run::waiting() const { return !halted_ && program_->code[pc_].op == Instruction::Read; }

Event Run::start() {
    std::fill(slots_.begin(), slots_.end(), Slot{});
    pc_ = 0;
    halted_ = false;
    pendingLine_.clear();
    return go(false, 0);
}

Event Run::feed(float value) {
    if (!waiting()) {
        Event e;
        e.stretches.push_back({{}, texts()});
        e.waitingLine = program_->code[pc_].line;
        e.ended = program_->code[pc_].op == Instruction::End;
        e.notes.push_back({e.waitingLine, "El algoritmo no espera ningún valor aquí"});
        return e;
    }
    return go(true, value);
}

Event Run::refused(const std::string& message) const {
    Event e;
    e.stretches.push_back({{}, texts()});
    e.waitingLine = program_->code[pc_].line;
    e.notes.push_back({e.waitingLine, message});
    return e;
}

Event Run::go(bool resume, float value) {
    Event e;
    e.stretches.emplace_back();
    passLoop_ = -1;
    long budget = kBudget;
    bool wrotePrompt = false;
    try {
        if (resume) {
            const Instruction& read = program_->code[pc_];
            store(read.var, read.index, value);
            tally(e, read.line);
            ++pc_;
        }
        for (;;) {
            const Instruction& in = program_->code[pc_];
            if (in.op == Instruction::Read) break;
            if (in.op == Instruction::End) {
                tally(e, in.line);
                e.ended = true;
                break;
            }
            if (--budget < 0) {
                halted_ = true;
                e.notes.push_back({in.line, "El algoritmo no terminó este paso: ejecutó más de " +
                                                std::to_string(kBudget) + " instrucciones"});
                break;
            }
            wrotePrompt = in.op == Instruction::Write && in.newline;
            step(e, budget);
        }
    } catch (const Fault& f) {
        halted_ = true;
        e.notes.push_back({program_->code[pc_].line, f.text});
    }
    e.waitingLine = program_->code[pc_].line;
    if (!halted_ && !e.ended && wrotePrompt && !e.written.empty()) {
        e.prompt = std::move(e.written.back());
        e.written.pop_back();
    }
    e.stretches.back().values = texts();
    for (const LineRun& l : e.stretches.back().lines) lineIndex_[static_cast<std::size_t>(l.line)] = -1;
    return e;
}

void Run::step(Event& e, long& budget) {
    const Instruction& in = program_->code[pc_];
    // A loop after the series: the event so far is one stretch, each pass another.
    if (in.loopStart >= 0 && passLoop_ < 0) {
        passLoop_ = in.loopStart;
        e.passes = true;
        closeStretch(e);
    } else if (in.loopBack >= 0 && in.loopBack == passLoop_) {
        closeStretch(e);
    }
    std::size_t next = pc_ + 1;
    switch (in.op) {
    case Instruction::Declare:
        slots_[static_cast<std::size_t>(in.var)] = Slot{};
        break;
    case Instruction::Dimension: {
        const double size = eval(in.expr).number;
        if (!(size >= 1 && size == std::floor(size)))
            throw Fault("El tamaño de un arreglo debe ser un entero de 1 o más");
        Slot& s = slots_[static_cast<std::size_t>(in.var)];
        s.size = size;
        s.elements.clear();
        break;
    }
    case Instruction::Assign:
        store(in.var, in.index, eval(in.expr).number);
        break;
    case Instruction::Write: {
        std::string line = std::move(pendingLine_);
        pendingLine_.clear();
        for (const Item& item : in.items) line += item.text ? *item.text : text(eval(item.expr));
        if (in.newline)
            e.written.push_back(std::move(line));
        else
            pendingLine_ = std::move(line);
        break;
    }
    case Instruction::Branch: {
        const bool holds = eval(in.expr).number != 0;
        tally(e, in.line, 1, holds ? 1 : 0);
        pc_ = holds ? next : static_cast<std::size_t>(in.target);
        return;
    }
    case Instruction::Jump:
        next = static_cast<std::size_t>(in.target);
        break;
    case Instruction::Count:
        countingLoop(in, e);
        budget -= 1;
        pc_ = static_cast<std::size_t>(in.target);
        return;
    case Instruction::Read:
    case Instruction::End:
        break;
    }
    if (in.counted) tally(e, in.line);
    pc_ = next;
}

void Run::countingLoop(const Instruction& in, Event& e) {
    const CountingLoop& loop = *in.counting;
    const double bound = eval(loop.bound).number;
    std::vector<double> amounts;
    for (const auto& s : loop.steps) amounts.push_back(eval(s.amount).number);
    const auto own = std::find_if(loop.steps.begin(), loop.steps.end(), [&](const auto& s) { return s.var == loop.var; });
    const double amount = amounts[static_cast<std::size_t>(own - loop.steps.begin())];
    Slot& tested = slots_[static_cast<std::size_t>(loop.var)];
    const bool real = program_->variables[static_cast<std::size_t>(loop.var)].type == Type::Real;

    const ExactWalk exact = exactWalkWhile(tested.scalar, amount, loop.relation, bound);
    if (exact.passes < 0) throw Fault("Este ciclo no termina: cada paso aleja la variable de la condición de salida");
    double passes = exact.passes;
    double last = exact.last;
    if (real) {
        const Walk w = walkWhile(static_cast<float>(tested.scalar), amount, loop.relation, bound);
        if (w.stalled) {
            // The loop as written never ends: each step rounds back to where it began.
            // The window goes on with what the loop means, its value in exact arithmetic.
            e.notes.push_back({in.line, "Este ciclo no termina en precisión simple: " +
                                            program_->variables[static_cast<std::size_t>(loop.var)].name + " deja de cambiar en " +
                                            singleText(w.last, format_) + "; se sigue con el valor exacto"});
        } else {
            passes = w.passes;
            last = w.last;
        }
    }
    tally(e, in.line, passes + 1, 0);
    for (std::size_t k = 0; k < loop.steps.size(); ++k) {
        const auto& s = loop.steps[k];
        if (passes > 0) tally(e, s.line, passes);
        if (s.var == loop.var) continue;
        Slot& slot = slots_[static_cast<std::size_t>(s.var)];
        const bool stepReal = program_->variables[static_cast<std::size_t>(s.var)].type == Type::Real;
        store(s.var, std::nullopt,
              stepReal ? walkTimes(static_cast<float>(slot.scalar), amounts[k], passes) : slot.scalar + passes * amounts[k]);
    }
    store(loop.var, std::nullopt, last);
}

Run::Value Run::eval(const Expr& x) const {
    switch (x.kind) {
    case Expr::Number:
        return {x.number, x.number == std::floor(x.number)};
    case Expr::Scalar: {
        const std::size_t v = static_cast<std::size_t>(x.var);
        if (program_->variables[v].vector) throw Fault("Falta el subíndice de " + program_->variables[v].name);
        return {slots_[v].scalar, program_->variables[v].type == Type::Entero};
    }
    case Expr::Element:
        return {element(x.var, eval(x.args[0]).number), false};
    case Expr::Negate: {
        const Value v = eval(x.args[0]);
        return {-v.number, v.whole};
    }
    case Expr::Not:
        return {eval(x.args[0]).number == 0 ? 1.0 : 0.0, true};
    case Expr::Call: {
        const double a = eval(x.args[0]).number;
        if (x.op == Expr::Abs) return {std::fabs(a), eval(x.args[0]).whole};
        return {x.op == Expr::Trunc ? std::trunc(a) : std::round(a), true};
    }
    case Expr::Binary:
        break;
    }
    const Value a = eval(x.args[0]);
    if (x.op == Expr::And && a.number == 0) return {0, true};
    if (x.op == Expr::Or && a.number != 0) return {1, true};
    const Value b = eval(x.args[1]);
    const bool whole = a.whole && b.whole;
    double r = 0;
    switch (x.op) {
    case Expr::Add: r = a.number + b.number; break;
    case Expr::Sub: r = a.number - b.number; break;
    case Expr::Mul: r = a.number * b.number; break;
    case Expr::Div:
        if (b.number == 0) throw Fault("División por cero");
        return {a.number / b.number, false};
    case Expr::Mod:
        if (b.number == 0) throw Fault("División por cero en MOD");
        r = std::fmod(a.number, b.number);
        break;
    case Expr::Pow: return {std::pow(a.number, b.number), false};
    case Expr::Eq: return {a.number == b.number ? 1.0 : 0.0, true};
    case Expr::Ne: return {a.number != b.number ? 1.0 : 0.0, true};
    case Expr::Lt: return {a.number < b.number ? 1.0 : 0.0, true};
    case Expr::Le: return {a.number <= b.number ? 1.0 : 0.0, true};
    case Expr::Gt: return {a.number > b.number ? 1.0 : 0.0, true};
    case Expr::Ge: return {a.number >= b.number ? 1.0 : 0.0, true};
    case Expr::And:
    case Expr::Or: return {b.number != 0 ? 1.0 : 0.0, true};
    default: break;
    }
    return {r, whole};
}

std::size_t Run::subscript(int var, double index) const {
    const Slot& s = slots_[static_cast<std::size_t>(var)];
    const std::string& name = program_->variables[static_cast<std::size_t>(var)].name;
    if (s.size < 0) throw Fault("El arreglo " + name + " no tiene dimensión");
    const double k = std::nearbyint(index);
    if (!(k >= 1 && k <= s.size)) throw Fault("Subíndice fuera del arreglo " + name);
    return static_cast<std::size_t>(k) - 1;
}

float Run::element(int var, double index) const {
    const std::size_t k = subscript(var, index);
    const auto& elements = slots_[static_cast<std::size_t>(var)].elements;
    return k < elements.size() ? elements[k] : 0.0f;
}

void Run::store(int var, const std::optional<Expr>& index, double value) {
    const Variable& v = program_->variables[static_cast<std::size_t>(var)];
    Slot& s = slots_[static_cast<std::size_t>(var)];
    if (v.type == Type::Entero && value != std::floor(value))
        throw Fault("La variable " + v.name + " es Entero y no puede guardar una fracción");
    float single = 0;
    try {
        single = toSingle(value).value();
    } catch (const ArithmeticFault&) {
        throw Fault("Desborde: el valor no cabe en la variable " + v.name);
    }
    if (index) {
        const std::size_t k = subscript(var, eval(*index).number);
        if (k >= s.elements.size()) s.elements.resize(k + 1, 0.0f);
        s.elements[k] = single;
    } else if (v.vector) {
        throw Fault("Falta el subíndice de " + v.name);
    } else {
        s.scalar = v.type == Type::Real ? single : value;
    }
}

std::string Run::text(Value v) const {
    if (v.whole && std::fabs(v.number) < 1e15) return std::to_string(static_cast<long long>(v.number));
    return singleText(static_cast<float>(v.number), format_);
}

std::string Run::variableText(std::size_t var) const {
    const Variable& v = program_->variables[var];
    const Slot& s = slots_[var];
    if (!v.vector) return text({s.scalar, v.type == Type::Entero});
    // As a desk-check row shows a vector: its first hundred elements at most.
    constexpr double kShown = 100;
    std::string out;
    const double shown = std::min(s.size, kShown);
    for (std::size_t k = 0; static_cast<double>(k) < shown; ++k) {
        out += ' ';
        out += singleText(k < s.elements.size() ? s.elements[k] : 0.0f, format_);
    }
    if (s.size > shown) out += " …";
    return out;
}

std::vector<std::string> Run::texts() const {
    std::vector<std::string> out;
    out.reserve(slots_.size());
    for (std::size_t v = 0; v < slots_.size(); ++v) out.push_back(variableText(v));
    return out;
}

void Run::tally(Event& e, int line, double times, int outcome) {
    Stretch& s = e.stretches.back();
    int& at = lineIndex_[static_cast<std::size_t>(line)];
    if (at < 0) {
        at = static_cast<int>(s.lines.size());
        s.lines.push_back({line, 0, -1});
    }
    LineRun& l = s.lines[static_cast<std::size_t>(at)];
    l.times += times;
    if (outcome >= 0) l.outcome = static_cast<int8_t>(outcome);
}

void Run::closeStretch(Event& e) {
    Stretch& s = e.stretches.back();
    s.values = texts();
    for (const LineRun& l : s.lines) lineIndex_[static_cast<std::size_t>(l.line)] = -1;
    e.stretches.emplace_back();
}

}  // namespace ej::algorithm
