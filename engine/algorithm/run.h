#pragma once

// Runs an algorithm beside its exercise window: started at the window's reset, it runs
// to its first `Leer`; each value the window accepts goes to the waiting `Leer`, and the
// run goes on to the next one or to `FinAlgoritmo`. Every start and every value leaves
// an Event: what a student needs to follow that step in the desk check. The run itself
// is the machine's (machine.h); this is what the desk check makes of watching it.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/algorithm/machine.h"
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

// Stretches from..to of an event as one, at from: their lines tallied together, the
// values of the last.
Event joined(Event e, std::size_t from, std::size_t to);

class Run {
public:
    static constexpr std::size_t kShownElements = 100;  // of a vector, in a desk-check row

    // `budget`: the instructions it may run between two waits.
    Run(std::shared_ptr<const Program> program, NumberFormat format, long budget = Limits{}.budget);
    ~Run();
    Run(Run&&) = delete;

    const Program& program() const { return *program_; }

    // From the first line to the first `Leer`.
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
    class Recorder;
    Event go(bool resume, float value);

    std::shared_ptr<const Program> program_;
    Machine machine_;
    std::unique_ptr<Recorder> recorder_;
};

}  // namespace ej::algorithm
