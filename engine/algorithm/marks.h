#pragma once

// What the listing of an algorithm shows of one event beside the desk check: the lines
// the event ran, a note at the end of a line (how often it ran, a condition's last
// outcome, what the event says there) and the line where the run now waits.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "engine/algorithm/program.h"
#include "engine/algorithm/run.h"

namespace ej::algorithm {

struct LineMarks {
    bool ran = false;
    std::string tally;    // "×12", "→ Verdadero", "×4 → Falso"
    std::string message;  // the event's word at this line: a refusal, a loop that cannot end, a fault

    // What the listing writes at the line's end: its tally, then its message.
    std::string note() const;
    bool operator==(const LineMarks&) const = default;
};

struct Marks {
    std::vector<LineMarks> lines;  // line L at index L - 1
    int waiting = 0;     // the line of the ▶: the `Leer` the run waits at, or `FinAlgoritmo`; 0 for none
    bool ended = false;  // the ▶ is at `FinAlgoritmo`
    int firstRun = 0;    // the line that ran first, where a reader starts; 0 for none

    std::vector<int> ranLines() const;  // ascending
    // The marks in words, for a screen reader.
    std::string spoken() const;
    bool operator==(const Marks&) const = default;
};

// The marks of a whole event, or of one of its stretches (a row of the desk check). The
// ▶ goes with the part that ends the event; a note of the event, with that part too and
// with any part that ran its line.
Marks marksOf(const Event& event, std::size_t lineCount, std::optional<std::size_t> stretch = std::nullopt);

// The lines that give a variable its value: its assignments and `Leer`s, a `Para` over
// it, the steps of a loop run in one go. Ascending, each once.
std::vector<int> assigningLines(const Program& program, int var);

// A variable as a desk check's header explains it: its type, and where it is given its
// value ("Entero; se asigna en las líneas 9, 15").
std::string aboutVariable(const Program& program, int var);

}  // namespace ej::algorithm
