#include "engine/exercise_window.h"

#include <algorithm>
#include <memory>

#include "engine/algorithm/compiler.h"
#include "engine/algorithm/sources.h"

namespace ej {

namespace {

// The message label is, as a rule, the last-numbered label.
std::string lastLabel(const WindowDesign& design) {
    std::string last;
    for (const auto& c : design.controls)
        if (c.kind == ControlKind::Label && c.name.rfind("lblej", 0) == 0 && c.name > last) last = c.name;
    return last;
}

// The statement heads the window, above every other label.
std::string topLabel(const WindowDesign& design) {
    const ControlDesign* top = nullptr;
    for (const auto& c : design.controls)
        if (c.kind == ControlKind::Label && (!top || c.at.top < top->at.top)) top = &c;
    return top ? top->name : std::string();
}

}  // namespace

std::string controlNumber(const std::string& window) {
    const std::string nn = window.substr(std::string("frmej").size());
    return nn == "1801" ? "18" : nn;
}

ExerciseWindow::ExerciseWindow(WindowDesign design, const NumberFormat& format, Wording wording)
    : design_(std::move(design)), format_(format), wording_(std::move(wording)) {
    const std::string nn = controlNumber(design_.name);
    inputBox_ = "txtej" + nn + "01";
    entryButton_ = "cmdej" + nn + "01";
    exitButton_ = "cmdej" + nn + "02";
    messageLabel_ = lastLabel(design_);
    statementLabel_ = topLabel(design_);
    for (const auto& c : design_.controls)
        if (c.kind == ControlKind::TextBox && c.readOnly) resultBoxes_.push_back(c.name);
    std::sort(resultBoxes_.begin(), resultBoxes_.end());
    // Every exercise window opens with its entry button as the default button.
    if (design_.defaultButton.empty()) design_.defaultButton = entryButton_;
}

Variables ExerciseWindow::current() const {
    Variables v(format_);
    variables(v);
    return v;
}

void ExerciseWindow::attached() {
    trace_.clear();
    if (algorithmLoaded_) return;
    algorithmLoaded_ = true;
    const std::string_view text = algorithm::source(design_.name);
    if (text.empty()) return;
    algorithm::Compiled compiled = algorithm::compile(text);
    if (!compiled.ok()) {
        algorithmError_ = compiled.errors.front().located();
        return;
    }
    // The state's variables come first among the algorithm's, in the same order.
    if (compiled.program->variables.size() < current().names().size()) {
        algorithmError_ = "el algoritmo declara menos variables que la ventana";
        return;
    }
    std::vector<std::string> names;
    for (const auto& v : compiled.program->variables) names.push_back(v.name);
    trace_.useNames(std::move(names));
    run_.emplace(std::move(compiled.program), format_);
}

void ExerciseWindow::activated() {
    reset();
    if (!run_) return trace_.record("", "reinicio", current());
    auto event = std::make_shared<const algorithm::Event>(run_->start());
    trace_.record("", "reinicio", current(), {event, 0});
}


void ExerciseWindow::clicked(std::string_view button) {
    if (button == entryButton_)
        traced(inputBox_, [this] { enter(); });
    else if (button == exitButton_)
        view().close();
}

void ExerciseWindow::traced(const std::string& box, const std::function<void()>& press) {
    const std::string typed = view().text(box);
    completed_ = false;
    pressState_.reset();
    passes_.clear();
    handedOver_.reset();
    press();
    if (!isOpen()) return;
    const Variables after = current();
    algorithm::Event event;
    if (run_) event = handedOver_ ? run_->feed(*handedOver_) : run_->refused(view().text(messageLabel_));
    recordPress(typed, after, std::move(event));
    pressState_.reset();
    passes_.clear();
}

namespace {

// Stretches from..to of an event as one, at from.
algorithm::Event joined(algorithm::Event e, std::size_t from, std::size_t to) {
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

}  // namespace

void ExerciseWindow::recordPress(const std::string& typed, const Variables& after, algorithm::Event event) {
    // After a completion loop, the press's own row shows the state as the loop began,
    // each pass a row, and what the completion does after the loop (sums, limits,
    // classes) a last row when it changes anything.
    const bool loop = pressState_.has_value();
    const Variables& pressed = loop ? *pressState_ : after;
    const Variables& lastShown = passes_.empty() ? pressed : passes_.back().second;
    const bool finalRow = loop && lastShown.texts() != after.texts();

    // The algorithm's stretches go to the same rows: the one before its loop to the
    // press, its passes to the pass rows (the newest ones, when the window kept fewer),
    // what follows the loop to the last row or, without one, to the row before it.
    const long passCount = event.passes ? static_cast<long>(event.stretches.size()) - 2 : 0;
    const std::size_t lastStretch = event.stretches.empty() ? 0 : event.stretches.size() - 1;
    if (run_ && !loop && lastStretch > 0) event = joined(std::move(event), 0, lastStretch);
    if (run_ && loop && event.passes && !finalRow)
        event = joined(std::move(event), static_cast<std::size_t>(passCount), static_cast<std::size_t>(passCount) + 1);
    const auto shared = run_ ? std::make_shared<const algorithm::Event>(std::move(event)) : nullptr;
    const bool passes = shared && shared->passes && loop;
    const auto part = [&](long stretch) {
        return stretch < 0 || !shared ? AlgorithmPart{} : AlgorithmPart{shared, static_cast<std::size_t>(stretch)};
    };

    trace_.record(typed, outcome(view().text(messageLabel_), pressed), pressed, part(0));
    const long windowPasses = static_cast<long>(passes_.size());
    long pass = 0;
    for (auto& [label, state] : passes_) {
        trace_.record("", std::move(label), state, part(passes ? 1 + passCount - windowPasses + pass : -1));
        ++pass;
    }
    if (finalRow) trace_.record("", "cálculo final", after, part(passes ? passCount + 1 : -1));
}

std::string ExerciseWindow::outcome(std::string message, const Variables& after) const {
    if (!message.empty()) return message;
    if (!trace_.differs(after)) return "sin efecto";
    return completed_ ? "serie completa" : "aceptado";
}

std::string ExerciseWindow::notAsked(std::string_view typed) const {
    return wording_.prefix + std::string(typed) + wording_.notAsked;
}

std::string ExerciseWindow::notNumeric(std::string_view typed) const {
    return wording_.prefix + std::string(typed) + wording_.notNumeric;
}

void ExerciseWindow::addClass(std::vector<Result>& out, bool empty, const std::string& emptyText,
                              std::initializer_list<std::pair<std::string, Single>> boxes) const {
    for (const auto& [box, value] : boxes) out.push_back({box, empty ? emptyText : text(value)});
}

void ExerciseWindow::refuse(const std::string& message, const std::string& inputBox) {
    // A refused press leaves the state as it was, so a loop it began is not shown.
    pressState_.reset();
    passes_.clear();
    view().setText(messageLabel_, message);
    view().setText(inputBox, "");
    view().focus(inputBox);
}

void ExerciseWindow::enter() {
    view().setText(messageLabel_, "");
    const std::string typed = view().text(inputBox_);
    if (!isNumeric(typed, format_)) return refuse(notNumeric(typed), inputBox_);

    Step step;
    try {
        const Single value = toSingle(readValue(typed, format_));
        step = take(Entry{value, typed});
        if (!step.unread) handOver(value);
    } catch (const ArithmeticFault&) {
        // The press would have stopped the program; it is refused instead and the
        // state is as it was before it.
        return refuse(notAsked(typed), inputBox_);
    }
    switch (step.kind) {
    case Step::Refused:
        return refuse(step.message, inputBox_);
    case Step::More:
        view().setText(inputBox_, "");
        view().focus(inputBox_);
        return;
    case Step::Complete:
        return complete();
    }
}

void ExerciseWindow::complete() {
    completed_ = true;
    view().setEnabled(inputBox_, false);
    view().setEnabled(entryButton_, false);
    for (const auto& box : resultBoxes_) view().setEnabled(box, true);
    view().setDefault(exitButton_);
    for (const auto& r : results()) view().setText(r.box, r.text);
}

}  // namespace ej
