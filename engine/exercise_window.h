#pragma once

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/algorithm/run.h"
#include "engine/conversions.h"
#include "engine/single.h"
#include "engine/trace.h"
#include "engine/window.h"

namespace ej {

// The words of a window's refusals: prefix + the text as typed + ending.
struct Wording {
    std::string prefix = "El valor ";
    std::string notNumeric = " no es numérico";
    std::string notAsked = " no es lo pedido";
};

// The number in a window's control names: frmej1801 names its controls as frmej18 does.
std::string controlNumber(const std::string& window);

// A value that passed the numeric test, as the window's own rules see it.
struct Entry {
    Single value;
    std::string_view text;  // the input box's text as typed
};

// What a window's rules make of one entry.
struct Step {
    enum Kind { Refused, More, Complete } kind = More;
    std::string message;  // the message label's caption when refused
    // Refused by a guard of the window's own, ahead of the rules its algorithm writes (a
    // value whose breakdown would never end): the state stays as it was and the
    // algorithm never reads the value, as with a text the numeric test refuses.
    bool unread = false;

    static Step more() { return {More, {}}; }
    static Step complete() { return {Complete, {}}; }
    static Step completeWhen(bool done) { return done ? complete() : more(); }
    static Step refused(std::string message) { return {Refused, std::move(message)}; }
    static Step refusedUnread(std::string message) { return {Refused, std::move(message), true}; }
};

// A result box and the text it receives at completion.
struct Result {
    std::string box;
    std::string text;
};

// A press as an algorithm run beside the window takes it: the value that reached the
// algorithm's `Leer`, if any, what the window said, and at completion its results.
struct WindowPress {
    std::string typed;          // the text of the box the press read
    std::optional<float> read;  // none when refused before any rule (not a number, an overflow)
    std::string message;        // the message label's caption; empty when taken
    bool complete = false;
    std::vector<Result> results;  // at completion, in the order they are written
};

// Someone who follows the window's series press by press: a student's algorithm.
class PressFollower {
public:
    virtual ~PressFollower() = default;
    // The window's reset: its series starts again.
    virtual void restarted() = 0;
    virtual void pressed(const WindowPress& press) = 0;
};

// The box that takes the next value and the button that reads it.
struct EntryPoint {
    std::string box, button;
};

// How many values a series counts: a fixed number (least == most), or any number
// between two bounds; none where the window does not say (a single value).
struct SeriesLength {
    int least = 0;
    int most = 0;
    static SeriesLength exactly(int n) { return {n, n}; }
};

// The skeleton every exercise window shares: the entry step, the completion step,
// the reset on activation and the exit. A window supplies its design, its wording,
// and, through Exercise<State> below, its rules, its accumulation and its results.
class ExerciseWindow : public Window {
public:
    ExerciseWindow(WindowDesign design, const NumberFormat& format, Wording wording = {});

    const WindowDesign& design() const override { return design_; }
    const NumberFormat& format() const { return format_; }

    const std::string& inputBox() const { return inputBox_; }
    const std::string& entryButton() const { return entryButton_; }
    const std::string& exitButton() const { return exitButton_; }
    const std::string& messageLabel() const { return messageLabel_; }
    // The label with the exercise's statement: the topmost label of the window.
    const std::string& statementLabel() const { return statementLabel_; }
    void activated() override;
    void clicked(std::string_view button) override;

    // Where the next value is typed: the input box, unless the window first asks for
    // something else (a count).
    virtual EntryPoint nextEntry() const { return {inputBox_, entryButton_}; }
    // Types the text where the next value goes and presses its button.
    void type(std::string_view text);
    // Told of every reset and press from now on; null for nobody.
    void follow(PressFollower* follower) { follower_ = follower; }

    // Where the series stands, for a student to see at a glance: "valor 4 de 12"; in a
    // series between bounds "7 ingresados: faltan 2 para el mínimo, caben 5 más";
    // "serie completa"; empty where the window counts no series.
    virtual std::string progress() const;
    // The values the latest reset dropped: 0 when the series had none.
    int dropped() const { return dropped_; }

    // The desk check of the window's events since it opened.
    const Trace& trace() const { return trace_; }
    Trace& trace() { return trace_; }

    // The window's algorithm, run beside it from the window's first opening; null for a
    // window without one, or whose algorithm does not compile (algorithmError() says why).
    const algorithm::Run* algorithm() const { return run_ ? &*run_ : nullptr; }
    const std::string& algorithmError() const { return algorithmError_; }
    // The exercise state's variables as the window keeps them: the desk check's columns
    // for a window without an algorithm.
    Variables stateVariables() const { return current(); }

protected:
    virtual void reset() = 0;
    // The exercise state's variables as they stand, for the desk check.
    virtual void variables(Variables& v) const = 0;
    // Admission and accumulation. Throws ArithmeticFault when the press would fault;
    // the state then stays as it was before the press.
    virtual Step take(const Entry& entry) = 0;
    // The results in the order they are written.
    virtual std::vector<Result> results() const = 0;
    // How many values the series counts.
    virtual SeriesLength seriesLength() const { return {}; }

    // The entry step on the input box; windows with more than one entry button call
    // it with their own pieces.
    void enter();
    // The value read reaches the algorithm's waiting `Leer`: its rules, like the
    // window's, decide what becomes of it. A press that hands over nothing was refused
    // before them.
    void handOver(Single value) { handedOver_ = value.value(); }
    void refuse(const std::string& message, const std::string& inputBox);
    void complete();
    // Runs the press of a button that reads `box`, then records its row in the trace;
    // the rows of a completion loop follow it.
    void traced(const std::string& box, const std::function<void()>& press);
    // A completion loop a student traces by hand: the press's own row shows the state
    // as the loop begins, each pass adds a row after it, and what the completion does
    // after the loop shows in a last row.
    void loopBegins(Variables state) { pressState_.emplace(std::move(state)); }
    void loopPass(std::string label, Variables state) { passes_.emplace_back(std::move(label), std::move(state)); }

    std::string text(Single value) const { return singleText(value.value(), format_); }
    static std::string text(Counter16 count) { return integerText(count.value()); }
    // The boxes of one class at completion: its numbers in the single text form, or,
    // when the class received nothing, its empty-class text in every one of them.
    void addClass(std::vector<Result>& out, bool empty, const std::string& emptyText,
                  std::initializer_list<std::pair<std::string, Single>> boxes) const;

    std::string notAsked(std::string_view typed) const;
    std::string notNumeric(std::string_view typed) const;

    const Wording& wording() const { return wording_; }

    // The roles of the controls, from the naming scheme of the window's number; a
    // window whose design departs from it sets its own in its constructor.
    std::string inputBox_, entryButton_, exitButton_, messageLabel_;
    std::vector<std::string> resultBoxes_;
    std::string statementLabel_;

    void attached() override;

private:
    // Compiles the window's algorithm and starts its run, or says why it cannot.
    void loadAlgorithm();
    // The rows of a press: its own, then those of a loop it runs after the series.
    void recordPress(const std::string& typed, const Variables& after, algorithm::Event event);
    void recordRun(const std::string& typed, algorithm::Event event);
    // The exercise state's variables as they stand now.
    Variables current() const;
    // The Resultado of a press: its message, else what it did to the state.
    std::string outcome(std::string message, const std::vector<std::string>& after) const;

    WindowDesign design_;
    NumberFormat format_;
    Wording wording_;
    Trace trace_;
    // What the press under way has to tell the trace.
    bool completed_ = false;
    std::optional<Variables> pressState_;
    std::vector<std::pair<std::string, Variables>> passes_;
    std::optional<float> handedOver_;
    int accepted_ = 0;  // values taken since the series started
    int dropped_ = 0;
    bool complete_ = false;
    PressFollower* follower_ = nullptr;
    // Compiled at the window's first opening, not at the program's start.
    bool algorithmLoaded_ = false;
    std::optional<algorithm::Run> run_;
    std::string algorithmError_;
};

// An exercise whose state is one value: the state is copied for each press and
// kept only when the press ran to its end, so a fault changes nothing.
template <class State>
class Exercise : public ExerciseWindow {
public:
    using ExerciseWindow::ExerciseWindow;

protected:
    // The state Form_Activate restores; most windows start every variable at 0.
    virtual State initial() const { return State{}; }
    virtual Step step(State& state, const Entry& entry) = 0;
    // The variables of a state, in the order the exercise lists them. A state that
    // declares its own (a member describe(Variables&)) needs nothing more; a window
    // whose names depend on its configuration overrides this.
    virtual void describe(const State& state, Variables& v) const {
        if constexpr (requires { state.describe(v); }) state.describe(v);
    }

    // The completion loop of the press under way, on the state being built.
    void loopBegins(const State& state) { ExerciseWindow::loopBegins(variablesOf(state)); }
    void loopPass(std::string label, const State& state) {
        ExerciseWindow::loopPass(std::move(label), variablesOf(state));
    }

    void reset() override { s = initial(); }
    void variables(Variables& v) const final { describe(s, v); }
    Step take(const Entry& entry) final {
        State next = s;
        Step result = step(next, entry);
        if (!result.unread) s = std::move(next);
        return result;
    }

    State s{};

private:
    Variables variablesOf(const State& state) const {
        Variables v(format());
        describe(state, v);
        return v;
    }
};

}  // namespace ej
