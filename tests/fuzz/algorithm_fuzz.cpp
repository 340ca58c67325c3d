// libFuzzer target for the algorithm language: any bytes are the text of an algorithm.
// Lexing and compiling never crash, and every fault they report stands from line 1,
// column 1 and is said in valid UTF-8, whatever bytes a student's file holds. A text
// that compiles is run under small limits, answering its `Leer`s, and always comes to
// an end, a wait or a fault; what it writes and its fault say valid UTF-8, every line
// it reports is a line of the text, and every value it stores suits its variable. A
// counting loop run in one go comes to the end it comes to pass by pass, having
// written the same.
//
// The values typed at the `Leer`s are the comment lines that begin "//>" (the lexer
// skips them, so they change nothing else), or, without any, a few values of each kind.
#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "engine/algorithm/compiler.h"
#include "engine/algorithm/console.h"
#include "engine/algorithm/diagnostic.h"
#include "engine/algorithm/lexer.h"
#include "engine/algorithm/machine.h"

namespace {

using namespace ej::algorithm;

// Small enough that a run takes milliseconds under the sanitizers, large enough that
// loops, recursion, arrays and long texts each meet their limit.
const Limits kLimits{.budget = 200'000, .size = 10'000, .elements = 10'000, .depth = 200, .textLength = 10'000};
// A program reading in a loop stops after so many values: each resume may spend a
// whole budget.
constexpr std::size_t kMostValues = 12;
const char* const kValues[] = {"3", "-1", "hola", "2.5", "verdadero", "0", "", "Ñandú 7"};

void check(bool holds) {
    if (!holds) __builtin_trap();
}

bool valid(std::string_view text) { return validUtf8(text) == text; }

bool placed(Position p) { return p.line >= 1 && p.column >= 1; }

bool notAfter(Position a, Position b) { return a.line != b.line ? a.line < b.line : a.column <= b.column; }

void checkDiagnostics(const std::vector<Diagnostic>& errors, int lines) {
    for (std::size_t k = 0; k < errors.size(); ++k) {
        const Diagnostic& d = errors[k];
        check(!d.message.empty() && valid(d.message));
        check(placed(d.span.begin) && d.span.begin.line <= lines);
        if (k > 0) check(notAfter(errors[k - 1].span.begin, d.span.begin));  // in the order of the text
    }
}

void checkTokens(const Lexed& lexed, int lines) {
    check(!lexed.tokens.empty() && lexed.tokens.back().kind == Tok::End);
    for (std::size_t k = 0; k < lexed.tokens.size(); ++k) {
        const Token& t = lexed.tokens[k];
        check(t.kind != Tok::End || k + 1 == lexed.tokens.size());
        check(placed(t.span.begin) && notAfter(t.span.begin, t.span.end) && t.span.end.line <= lines);
        if (k > 0) check(notAfter(lexed.tokens[k - 1].span.end, t.span.begin));
        // Messages quote names and texts as the student wrote them.
        check(valid(t.text) && valid(describe(t)));
    }
    checkDiagnostics(lexed.errors, lines);
}

// Whether a variable of that type may hold the value: a number is always finite, an
// Entero's whole, a Real's a single; a text typed as a number stays so only in a
// variable of no type.
bool fits(DataType type, const Value& v) {
    if (v.kind == Value::Kind::Number && !std::isfinite(v.number)) return false;
    if (v.kind == Value::Kind::None || type == DataType::Unknown) return true;
    switch (type) {
    case DataType::Entero: return v.kind == Value::Kind::Number && v.whole && v.number == std::floor(v.number);
    case DataType::Real:
        return v.kind == Value::Kind::Number && std::fabs(v.number) <= FLT_MAX &&
               v.number == static_cast<double>(static_cast<float>(v.number));
    case DataType::Logico: return v.kind == Value::Kind::Logical;
    case DataType::Texto: return v.kind == Value::Kind::Text && !v.loose;
    case DataType::Unknown: break;
    }
    return true;
}

// Watches a run: every line it names is one of the text, every text it shows valid,
// every value it stores one its variable's type admits.
class Watcher : public Observer {
public:
    Watcher(const Program& program, const Machine& machine) : program_(program), machine_(machine) {}

    void lineRan(int line, double times) override {
        checkLine(line);
        check(times >= 1 && std::isfinite(times));
    }
    void conditionEvaluated(int line, bool, double times) override {
        checkLine(line);
        check(times >= 1 && std::isfinite(times));
    }
    void assigned(int slot) override {
        check(slot >= 0 && static_cast<std::size_t>(slot) < program_.variables.size());
        check(fits(program_.variables[static_cast<std::size_t>(slot)].type, machine_.variable(slot)));
    }
    void loopEntered(const Loop& loop) override { checkLine(loop.line); }
    void passEnded(const Loop& loop) override { checkLine(loop.line); }
    void readWaiting(int line) override { checkLine(line); }
    void written(const std::string& text, bool newline) override {
        check(valid(text) && text.size() <= kLimits.textLength);
        add(text);
        if (newline) add("\n");
    }
    void noted(int line, const std::string& text) override {
        checkLine(line);
        check(valid(text));
    }

    // What the run wrote, as a hash of its bytes: a run may write gigabytes.
    std::uint64_t output = 14695981039346656037u;

private:
    void add(std::string_view bytes) {
        for (const char c : bytes) output = (output ^ static_cast<unsigned char>(c)) * 1099511628211u;
    }
    void checkLine(int line) const { check(line >= 1 && static_cast<std::size_t>(line) <= program_.lines.size()); }

    const Program& program_;
    const Machine& machine_;
};

struct Run {
    Machine::Status status;
    std::uint64_t output;
};

Run run(const std::shared_ptr<const Program>& program, const std::vector<std::string>& values, bool accelerated) {
    Machine m(program, ej::NumberFormat{".", ","}, kLimits);
    m.setAccelerated(accelerated);
    Watcher watcher(*program, m);
    m.setObserver(&watcher);
    Machine::Status status = m.start();
    for (std::size_t k = 0; status == Machine::Status::Waiting && k < values.size(); ++k) {
        check(m.status() == Machine::Status::Waiting);
        m.give(Value::ofText(values[k]));
        status = m.resume();
    }
    check(status == Machine::Status::Ended || status == Machine::Status::Waiting || status == Machine::Status::Faulted);
    check(status == m.status());
    check(m.fault().has_value() == (status == Machine::Status::Faulted));
    if (const auto& fault = m.fault()) {
        check(!fault->message.empty() && valid(fault->message));
        check(fault->line >= 1 && static_cast<std::size_t>(fault->line) <= program->lines.size());
        check(placed(fault->span.begin));
    }
    const int line = m.line();
    check(line >= 1 && static_cast<std::size_t>(line) <= program->lines.size());
    // What a desk check shows of the variables once the run stops.
    for (std::size_t slot = 0; slot < program->variables.size(); ++slot) {
        const DataType type = program->variables[slot].type;
        const Value& value = m.variable(static_cast<int>(slot));
        check(fits(type, value) && valid(m.text(value)));
        const double size = m.arraySize(static_cast<int>(slot));
        check(size >= 0 && size <= kLimits.size);
        for (std::size_t k = 0; k < static_cast<std::size_t>(size) && k < 100; ++k) {
            const Value& element = m.element(static_cast<int>(slot), k);
            check(fits(type, element) && valid(m.text(element)));
        }
    }
    return {status, watcher.output};
}

// The values typed at the `Leer`s: the text's "//>" lines, as the console reads lines.
std::vector<std::string> valuesOf(std::string_view text) {
    std::vector<std::string> values;
    std::size_t start = 0;
    while (start < text.size() && values.size() < kMostValues) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (line.substr(0, 3) == "//>") {
            line.remove_prefix(3);
            if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
            values.push_back(asUtf8(line));
        }
        start = end + 1;
    }
    if (values.empty()) values.assign(std::begin(kValues), std::end(kValues));
    return values;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const int lines = 1 + static_cast<int>(std::count(text.begin(), text.end(), '\n'));

    const Lexed lexed = tokenize(text);
    checkTokens(lexed, lines);

    const Compiled compiled = compile(text);
    check(compiled.ok() == compiled.errors.empty());
    check(lexed.errors.empty() || !compiled.ok());  // a fault of the words is a fault of the text
    checkDiagnostics(compiled.errors, lines);
    for (const Diagnostic& d : compiled.errors) check(valid(d.located()));
    if (!compiled.ok()) return 0;
    check(compiled.program->lines.size() == static_cast<std::size_t>(lines));

    const std::vector<std::string> values = valuesOf(text);
    const Run fast = run(compiled.program, values, true);
    const bool counts = std::any_of(compiled.program->code.begin(), compiled.program->code.end(),
                                    [](const Instruction& in) { return in.op == Instruction::Op::Count; });
    if (counts) {
        // Pass by pass, a loop that never ends (or stalls in single precision) spends the
        // budget where in one go it ends: a plain run that faults is not compared. One
        // that does not, the run in one go must follow to the same end, writing the same.
        const Run plain = run(compiled.program, values, false);
        if (plain.status != Machine::Status::Faulted) check(fast.status == plain.status && fast.output == plain.output);
    }
    return 0;
}
