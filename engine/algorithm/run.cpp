#include "engine/algorithm/run.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace ej::algorithm {

// Watches the machine for the desk check: tallies the lines of each stretch, splits the
// passes of a loop that follows the series into stretches of their own, and gathers
// what is written into lines, telling the prompt of the waiting `Leer` apart.
class Run::Recorder : public Observer {
public:
    static constexpr std::size_t kMaxPassStretches = 10000;

    explicit Recorder(std::size_t lines) : lineIndex_(lines + 2, -1) {}

    Event* event = nullptr;
    std::string pending;  // text of `Escribir Sin Saltar` awaiting its line's end
    bool prompted = false;  // the last thing the run did was to write a whole line

    void begin(Event& e) {
        event = &e;
        e.stretches.emplace_back();
        passLoop_ = nullptr;
        prompted = false;
    }
    void end(std::vector<std::string> values) {
        event->stretches.back().values = std::move(values);
        forget();
    }

    void lineRan(int line, double times) override {
        if (!std::exchange(justWrote_, false)) prompted = false;
        tally(line, times, -1);
    }
    void conditionEvaluated(int line, bool outcome, double times) override {
        prompted = false;
        tally(line, times, outcome ? 1 : 0);
    }
    void assigned(int) override { prompted = false; }
    // A loop after the series, at the algorithm's top and reading nothing, such as a
    // sort: each pass is a step of its own in the desk check.
    void loopEntered(const Loop& loop) override {
        prompted = false;
        if (passLoop_ || loop.depth != 0 || !loop.main || loop.reads || loop.counting) return;
        passLoop_ = &loop;
        event->passes = true;
        closeStretch();
    }
    void passEnded(const Loop& loop) override {
        prompted = false;
        // A desk check keeps as many rows; the passes of a loop that runs on and on (a
        // student's, until the budget stops it) go together into the last one.
        if (&loop == passLoop_ && event->stretches.size() <= kMaxPassStretches) closeStretch();
    }
    void written(const std::string& text, bool newline) override {
        pending += text;
        if (!newline) return;
        event->written.push_back(std::move(pending));
        pending.clear();
        prompted = true;
        justWrote_ = true;  // the write's own line is told next
    }
    void noted(int line, const std::string& text) override { event->notes.push_back({line, text}); }

    std::function<std::vector<std::string>()> values;

private:
    void tally(int line, double times, int outcome) {
        if (line < 0 || static_cast<std::size_t>(line) >= lineIndex_.size()) return;
        Stretch& s = event->stretches.back();
        int& at = lineIndex_[static_cast<std::size_t>(line)];
        if (at < 0) {
            at = static_cast<int>(s.lines.size());
            s.lines.push_back({line, 0, -1});
        }
        LineRun& l = s.lines[static_cast<std::size_t>(at)];
        l.times += times;
        if (outcome >= 0) l.outcome = static_cast<int8_t>(outcome);
    }
    void closeStretch() {
        event->stretches.back().values = values();
        forget();
        event->stretches.emplace_back();
    }
    void forget() {
        for (const LineRun& l : event->stretches.back().lines) lineIndex_[static_cast<std::size_t>(l.line)] = -1;
    }

    std::vector<int> lineIndex_;  // line to its entry in the stretch under way, or -1
    const Loop* passLoop_ = nullptr;
    bool justWrote_ = false;
};

namespace {

// A fault said as a note: "División por cero: …".
std::string capitalized(std::string text) {
    static const std::pair<std::string_view, std::string_view> kAccented[] = {{"á", "Á"}, {"é", "É"}, {"í", "Í"}, {"ó", "Ó"}, {"ú", "Ú"}};
    for (const auto& [small, capital] : kAccented)
        if (text.rfind(small, 0) == 0) return std::string(capital) + text.substr(small.size());
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') text[0] = static_cast<char>(text[0] - 32);
    return text;
}

// A window's vector takes as many values as the student types: its algorithm's may be
// given any size, and stores what is written.
Limits windowLimits(long budget) {
    Limits limits;
    limits.size = std::numeric_limits<double>::infinity();
    limits.budget = budget;
    return limits;
}

}  // namespace

Run::Run(std::shared_ptr<const Program> program, NumberFormat format, long budget)
    : program_(program), machine_(std::move(program), std::move(format), windowLimits(budget)),
      recorder_(std::make_unique<Recorder>(program_->lines.size())) {
    recorder_->values = [this] { return texts(); };
    machine_.setObserver(recorder_.get());
}

Run::~Run() = default;

bool Run::waiting() const { return machine_.status() == Machine::Status::Waiting; }

Event Run::start() {
    recorder_->pending.clear();
    return go(false, 0);
}

Event Run::feed(float value) {
    if (!waiting()) {
        Event e;
        e.stretches.push_back({{}, texts()});
        e.waitingLine = machine_.line();
        e.ended = machine_.status() == Machine::Status::Ended;
        e.notes.push_back({e.waitingLine, "El algoritmo no espera ningún valor aquí"});
        return e;
    }
    return go(true, value);
}

Event Run::refused(const std::string& message) const {
    Event e;
    e.stretches.push_back({{}, texts()});
    e.waitingLine = machine_.line();
    e.notes.push_back({e.waitingLine, message});
    return e;
}

Event Run::go(bool resume, float value) {
    Event e;
    recorder_->begin(e);
    Machine::Status status;
    if (resume) {
        machine_.give(Value::ofNumber(value));
        status = machine_.resume();
    } else {
        status = machine_.start();
    }
    if (status == Machine::Status::Faulted) e.notes.push_back({machine_.fault()->line, capitalized(machine_.fault()->message)});
    // A `Leer` or the end closes a line left open by `Escribir Sin Saltar`: the value
    // typed goes after the prompt, on its line.
    if (!recorder_->pending.empty()) {
        e.written.push_back(std::exchange(recorder_->pending, {}));
        recorder_->prompted = true;
    }
    e.ended = status == Machine::Status::Ended;
    e.waitingLine = machine_.line();
    if (status == Machine::Status::Waiting && recorder_->prompted && !e.written.empty()) {
        e.prompt = std::move(e.written.back());
        e.written.pop_back();
    }
    recorder_->end(texts());
    return e;
}

std::vector<std::string> Run::texts() const {
    std::vector<std::string> out;
    out.reserve(program_->variables.size());
    for (std::size_t v = 0; v < program_->variables.size(); ++v) {
        const int slot = static_cast<int>(v);
        const double size = machine_.arraySize(slot);
        if (size == 0) {
            // A vector before its Dimension shows nothing yet.
            out.push_back(program_->variables[v].array ? std::string() : machine_.text(machine_.variable(slot)));
            continue;
        }
        // As a desk-check row shows a vector: its first elements, a "…" for the rest.
        std::string text;
        const double shown = std::min(size, static_cast<double>(kShownElements));
        for (std::size_t k = 0; static_cast<double>(k) < shown; ++k) {
            const Value& element = machine_.element(slot, k);
            text += ' ';
            text += element.kind == Value::Kind::None ? "-" : machine_.text(element);
        }
        if (size > shown) text += " …";
        out.push_back(std::move(text));
    }
    return out;
}

// Stretches from..to of an event as one, at from.
Event joined(Event e, std::size_t from, std::size_t to) {
    auto& into = e.stretches[from];
    for (std::size_t k = from + 1; k <= to; ++k) {
        for (const auto& l : e.stretches[k].lines) {
            auto same = std::find_if(into.lines.begin(), into.lines.end(), [&](const auto& m) { return m.line == l.line; });
            if (same == into.lines.end()) {
                into.lines.push_back(l);
            } else {
                same->times += l.times;
                if (l.outcome >= 0) same->outcome = l.outcome;
            }
        }
        into.values = std::move(e.stretches[k].values);
    }
    e.stretches.erase(e.stretches.begin() + static_cast<std::ptrdiff_t>(from) + 1,
                      e.stretches.begin() + static_cast<std::ptrdiff_t>(to) + 1);
    return e;
}

}  // namespace ej::algorithm
