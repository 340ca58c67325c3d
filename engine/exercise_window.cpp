#include "engine/exercise_window.h"

#include <algorithm>

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

void ExerciseWindow::activated() {
    reset();
    trace_.record("", "reinicio", current());
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
    press();
    if (!isOpen()) return;
    const Variables after = current();
    // After a completion loop, the press's own row shows the state as the loop began.
    const Variables& pressed = pressState_ ? *pressState_ : after;
    trace_.record(typed, outcome(view().text(messageLabel_), pressed), pressed);
    for (auto& [label, state] : passes_) trace_.record("", std::move(label), state);
    // What the completion does after its loop (sums, limits, classes) gets a last row.
    if (pressState_ && trace_.differs(after)) trace_.record("", "cálculo final", after);
    pressState_.reset();
    passes_.clear();
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
        step = take(Entry{toSingle(readValue(typed)), typed});
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
