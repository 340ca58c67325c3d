#pragma once

// The console runner: an algorithm file run as PSeInt's console runs it. `Leer` takes
// the next line of the input, `Escribir` writes to the output; faults go to the error
// stream as FILE:LINE:COLUMN: error: message, the form editors jump to.
#include <iosfwd>
#include <string>
#include <string_view>

namespace ej::algorithm {

enum ConsoleStatus {
    kFinished = 0,     // the algorithm reached its end
    kTextErrors = 1,   // the file has faults; nothing ran
    kRunFault = 2,     // a fault while running
    kInputEnded = 3,   // the input ran out while a `Leer` waited
};

struct ConsoleOptions {
    bool prompt = false;  // "> " before each line read: for a student at a terminal
    long budget = 100'000'000;  // instructions the whole run may take
};

ConsoleStatus runConsole(std::string_view fileName, std::string_view source, std::istream& in, std::ostream& out,
                         std::ostream& err, const ConsoleOptions& options = {});

// A file's text as UTF-8: read as UTF-8 when it is valid UTF-8, else as Latin-1, the
// encoding PSeInt on Windows saves in.
std::string asUtf8(std::string_view bytes);

}  // namespace ej::algorithm
