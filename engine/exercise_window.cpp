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
    if (!algorithmLoaded_) loadAlgorithm();
    // Without its algorithm, the desk check shows the window's own state.
    if (!run_) trace_.useNames(current().names());
}

void ExerciseWindow::loadAlgorithm() {
    algorithmLoaded_ = true;
    const std::string_view text = algorithm::source(design_.name);
    if (text.empty()) return;
    algorithm::Compiled compiled = algorithm::compile(text);
    if (!compiled.ok()) {
        algorithmError_ = compiled.errors.front().located();
        return;
    }
    // The desk check lists the algorithm's own variables, as a student lists them.
    std::vector<std::string> names;
    for (const auto& v : compiled.program->variables) names.push_back(v.name);
    trace_.useNames(std::move(names));
    run_.emplace(std::move(compiled.program), format_);
}

void ExerciseWindow::activated() {
    reset();
    dropped_ = std::exchange(accepted_, 0);
    complete_ = false;
    if (follower_) follower_->restarted();
    // A reset that drops values says so: the student did not ask for it.
    const std::string result = dropped_ == 0 ? "reinicio"
                               : dropped_ == 1 ? "reinicio: se descartó 1 valor"
                                               : "reinicio: se descartaron " + std::to_string(dropped_) + " valores";
    if (!run_) return trace_.record("", result, current().texts());
    auto event = std::make_shared<const algorithm::Event>(run_->start());
    trace_.record("", result, event->stretches.back().values, {event, event->stretches.size() - 1});
}

std::string ExerciseWindow::progress() const {
    if (complete_) return "serie completa";
    const SeriesLength length = seriesLength();
    if (length.most <= 0) return {};
    const std::string most = std::to_string(length.most);
    if (length.least == length.most)
        return accepted_ == 0 ? "la serie pide " + most + " valores" : "valor " + std::to_string(accepted_) + " de " + most;
    std::string out = std::to_string(accepted_) + (accepted_ == 1 ? " ingresado: " : " ingresados: ");
    const int missing = length.least - accepted_, room = length.most - accepted_;
    if (missing > 0)
        out += (missing == 1 ? "falta 1" : "faltan " + std::to_string(missing)) + " para el mínimo, ";
    else if (room > 0)
        out += "ya puede terminar con 0, ";
    if (room <= 0) return out + "completó el máximo: falta el 0";
    return out + (room == 1 ? "cabe 1 más" : "caben " + std::to_string(room) + " más");
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
    if (follower_) {
        WindowPress told{typed, handedOver_, view().text(messageLabel_), completed_, {}};
        if (completed_) told.results = results();
        follower_->pressed(told);
    }
}

void ExerciseWindow::type(std::string_view text) {
    const EntryPoint entry = nextEntry();
    view().setText(entry.box, text);
    clicked(entry.button);
}


void ExerciseWindow::recordPress(const std::string& typed, const Variables& after, algorithm::Event event) {
    if (run_) return recordRun(typed, std::move(event));
    // Without an algorithm the rows show the window's own state. After a completion loop,
    // the press's own row shows the state as the loop began, each pass a row, and what
    // the completion does after the loop (sums, limits, classes) a last row when it
    // changes anything.
    const bool loop = pressState_.has_value();
    const Variables& pressed = loop ? *pressState_ : after;
    const Variables& lastShown = passes_.empty() ? pressed : passes_.back().second;
    trace_.record(typed, outcome(view().text(messageLabel_), pressed.texts()), pressed.texts());
    for (auto& [label, state] : passes_) trace_.record("", std::move(label), state.texts());
    if (loop && lastShown.texts() != after.texts()) trace_.record("", "cálculo final", after.texts());
}

void ExerciseWindow::recordRun(const std::string& typed, algorithm::Event event) {
    // The rows show the algorithm's variables. Where the press runs a loop that follows
    // the series (a sort, a breakdown), the press's own row shows them as the loop
    // begins, each pass a row, and what follows the loop a last row when it changes
    // anything. The passes take the window's names for them when the two count alike.
    const std::size_t stretches = event.stretches.size();
    if (!event.passes && stretches > 1) event = algorithm::joined(std::move(event), 0, stretches - 1);
    const auto shared = std::make_shared<const algorithm::Event>(std::move(event));
    const auto& parts = shared->stretches;
    trace_.record(typed, outcome(view().text(messageLabel_), parts.front().values), parts.front().values, {shared, 0});
    if (!shared->passes) return;
    const std::size_t passes = parts.size() - 2;
    // A window keeps the newest rows of a long loop: so do its passes here.
    const std::size_t firstShown = passes > Trace::kMaxRows ? passes - Trace::kMaxRows : 0;
    for (std::size_t pass = firstShown; pass < passes; ++pass) {
        std::string label = passes_.size() == passes ? passes_[pass].first : words("pasada", std::to_string(pass + 1));
        trace_.record("", std::move(label), parts[pass + 1].values, {shared, pass + 1});
    }
    if (parts.back().values != parts[parts.size() - 2].values)
        trace_.record("", "cálculo final", parts.back().values, {shared, parts.size() - 1});
}

std::string ExerciseWindow::outcome(std::string message, const std::vector<std::string>& after) const {
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
        ++accepted_;
        view().setText(inputBox_, "");
        view().focus(inputBox_);
        return;
    case Step::Complete:
        return complete();
    }
}

void ExerciseWindow::complete() {
    completed_ = true;
    complete_ = true;
    ++accepted_;
    view().setEnabled(inputBox_, false);
    view().setEnabled(entryButton_, false);
    for (const auto& box : resultBoxes_) view().setEnabled(box, true);
    view().setDefault(exitButton_);
    for (const auto& r : results()) view().setText(r.box, r.text);
}

}  // namespace ej
