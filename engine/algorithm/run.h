#pragma once

// Runs an algorithm beside its exercise window: started at the window's reset, it runs
// to its first `Leer`; each value the window accepts goes to the waiting `Leer`, and the
// run goes on to the next one or to `FinAlgoritmo`. Every start and every value leaves
// an Event: what a student needs to follow that step.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/algorithm/program.h"
#include "engine/number_format.h"

namespace ej::algorithm {

// One line that ran during an event.
struct LineRun {
    int line = 0;
    double times = 0;  // how many times it ran
    int8_t outcome = -1;  // a condition's last outcome: 1 Verdadero, 0 Falso; -1 none
};

// What the run did between two moments: the lines in the order they first ran, and the
// variables' texts at its end, in declaration order.
struct Stretch {
    std::vector<LineRun> lines;
    std::vector<std::string> values;
};

struct Note {
    int line = 0;
    std::string text;
};

struct Event {
    // Usually one. Where the event runs a loop that follows the series (a sort), one
    // before its first pass, one per pass, then one for what follows the loop.
    std::vector<Stretch> stretches;
    bool passes = false;  // whether the stretches after the first are passes of a loop
    int waitingLine = 0;  // the `Leer` it waits at, or `FinAlgoritmo` once it ended
    bool ended = false;
    std::vector<Note> notes;
    std::vector<std::string> written;  // the lines `Escribir` wrote, but the prompt
    std::string prompt;                // what it wrote right before the `Leer` it waits at
};

class Run {
public:
    static constexpr long kBudget = 5'000'000;  // instructions an event may take

    Run(std::shared_ptr<const Program> program, NumberFormat format);

    const Program& program() const { return *program_; }

    // From the first line to the first `Leer`, every variable at 0.
    Event start();
    // The value goes to the waiting `Leer`; the run goes on to the next one.
    Event feed(float value);
    // A value the window refused before the algorithm could see it: nothing runs, and
    // the waiting `Leer` carries the window's message.
    Event refused(const std::string& message) const;

    bool waiting() const;
    // Each variable's text as the desk check shows it.
    std::vector<std::string> texts() const;

private:
    struct Value {
        double number = 0;
        bool whole = false;  // an Entero's value, written without a fraction
    };
    struct Slot {
        double scalar = 0;
        std::vector<float> elements;  // a vector's, from subscript 1, grown as written
        double size = -1;             // a vector's size; -1 before `Dimension`
    };
    class Fault;

    Event go(bool resume, float value);
    void step(Event& e, long& budget);
    Value eval(const Expr& x) const;
    void store(int var, const std::optional<Expr>& index, double value);
    float element(int var, double index) const;
    std::size_t subscript(int var, double index) const;
    void countingLoop(const Instruction& in, Event& e);
    std::string text(Value v) const;
    std::string variableText(std::size_t var) const;
    void tally(Event& e, int line, double times = 1, int outcome = -1);
    void closeStretch(Event& e);

    std::shared_ptr<const Program> program_;
    NumberFormat format_;
    std::vector<Slot> slots_;
    std::size_t pc_ = 0;
    bool halted_ = true;  // after a fault, until the next start
    int passLoop_ = -1;   // the pass loop of the event under way
    std::string pendingLine_;  // `Escribir Sin Saltar` text awaiting its line's end
    std::vector<int> lineIndex_;  // line to its entry in the stretch under way, or -1
};

}  // namespace ej::algorithm
