#pragma once

// "¿Mi algoritmo hace lo mismo?": a student's algorithm played beside a fresh exercise
// window over the teacher's series and random ones, until the first press where what
// a student sees of the two differs (student_run.h says how they are compared). The
// series that shows it is shrunk to the shortest that still does.
#include <functional>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/algorithm/diagnostic.h"
#include "engine/algorithm/program.h"
#include "engine/exercise_window.h"
#include "engine/solution/difference.h"
#include "engine/trace.h"

namespace ej::solution {

using WindowMaker = std::function<std::unique_ptr<ExerciseWindow>(const NumberFormat&)>;

struct CheckOptions {
    int randomSeries = 100;  // after the teacher's
    unsigned seed = 2005;
    NumberFormat format{",", "."};
    // Values from this size on are typed as small ones instead. Past 2^24 a single no
    // longer holds every whole number: where parity is asked, the window's rule for them
    // is part of the exercise; elsewhere they, and values whose sums or products pass
    // it, only show how the window rounds, which a student cannot be asked to repeat.
    double plainFrom = std::numeric_limits<double>::infinity();
    long budget = 50'000'000;  // instructions between two `Leer`s of the student's algorithm
};

struct Verdict {
    std::vector<algorithm::Diagnostic> errors;  // the text's faults: nothing ran
    std::optional<Difference> difference;
    std::string seriesName;  // the series that showed the difference
    int seriesPlayed = 0;

    bool agrees() const { return errors.empty() && !difference; }
    // "Tu algoritmo hace lo mismo que la ventana en las N series probadas", the
    // difference, or the first error with its place.
    std::string text() const;
};

Verdict check(const WindowMaker& window, std::string_view source, const CheckOptions& options = {});
Verdict check(const WindowMaker& window, std::shared_ptr<const algorithm::Program> program,
              const CheckOptions& options = {});

// A series typed into a fresh window with the student's algorithm beside it: both desk
// checks, to be read side by side, up to the press where they first differ.
struct Replayed {
    Trace window;
    Trace student;
    std::optional<Difference> difference;
};
Replayed replay(const WindowMaker& window, std::shared_ptr<const algorithm::Program> program,
                const std::vector<std::string>& typed, const CheckOptions& options = {});

}  // namespace ej::solution
