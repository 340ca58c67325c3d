#pragma once

// A student's own algorithm run beside an exercise window: it follows the window's
// series, each value the window reads going to the algorithm's waiting `Leer`, keeps
// the student's desk check, and notes the first press where what a student sees of the
// two differs:
// - a value the window refuses by a rule must be followed by some message of the
//   algorithm before its next `Leer` (its own words); a value it takes, by none;
// - a prompt is not a message: a line that, its numbers masked, reads like one the
//   algorithm wrote before its first `Leer` ("Ingrese el número 3", "… número 1"), or
//   before a `Leer` after a value taken ("Ingrese Importe" once the count is in);
// - the window completes at the press where the algorithm ends, and what the algorithm
//   writes then holds every result (see reading.h);
// - a fault, or a loop that never comes back to a `Leer`, stops the algorithm there.
// A text the window refuses before any rule (not a number, an overflow) never reaches
// the algorithm.
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "engine/algorithm/run.h"
#include "engine/exercise_window.h"
#include "engine/solution/difference.h"
#include "engine/trace.h"

namespace ej::solution {

class StudentRun final : public PressFollower {
public:
    // A student's loops may take many more instructions than the window's algorithm
    // (a breakdown over a vector of notes, step by step): ten times its budget between
    // two `Leer`s, and a loop that never ends is still stopped within a second or so.
    StudentRun(std::shared_ptr<const algorithm::Program> program, const ExerciseWindow& window,
               long budget = 50'000'000);

    void restarted() override;
    void pressed(const WindowPress& press) override;
    // The student's algorithm changed: the new one starts over and takes the presses of
    // the series under way again, as if it had been there from the start.
    void reload(std::shared_ptr<const algorithm::Program> program);

    // The first difference since the series started, if there is one.
    const std::optional<Difference>& difference() const { return difference_; }
    // The student's desk check: their variables after each press, a row per press of
    // the window, so that it lines up with the window's own.
    const Trace& trace() const { return trace_; }
    Trace& trace() { return trace_; }
    const algorithm::Program& program() const { return *program_; }
    // The texts typed since the series started.
    const std::vector<std::string>& typed() const { return typed_; }

private:
    // What the window did and what the algorithm did at a press, when they differ.
    std::optional<Difference> judge(const WindowPress& press, const algorithm::Event& event) const;
    std::optional<Difference> judgeStart(const algorithm::Event& event) const;
    // The lines of an event that are not prompts.
    std::vector<std::string> messages(const algorithm::Event& event) const;
    std::string resultText(const WindowPress& press, const algorithm::Event& event) const;
    void record(const std::string& typed, const std::string& result, const algorithm::Event& event);

    std::shared_ptr<const algorithm::Program> program_;
    const ExerciseWindow& window_;
    long budget_;
    std::optional<algorithm::Run> run_;
    Trace trace_;
    std::set<std::string> prompts_;  // masked lines that ask for a value
    std::vector<std::string> typed_;
    std::vector<WindowPress> presses_;  // of the series under way
    std::optional<Difference> difference_;
};

// What a student's file starts as: the exercise's statement as a comment, then an
// empty algorithm named after the exercise.
std::string startingText(const ExerciseWindow& window);

}  // namespace ej::solution
