#include "engine/algorithm/console.h"

#include <istream>
#include <ostream>

#include "engine/algorithm/compiler.h"
#include "engine/algorithm/machine.h"

namespace ej::algorithm {

namespace {

// Writes what the algorithm writes, as it writes it.
class ConsoleOutput : public Observer {
public:
    explicit ConsoleOutput(std::ostream& out) : out_(out) {}
    void written(const std::string& text, bool newline) override {
        out_ << text;
        if (newline) out_ << '\n';
    }

private:
    std::ostream& out_;
};

void report(std::ostream& err, std::string_view fileName, Position at, const std::string& message) {
    err << fileName << ':' << at.line << ':' << at.column << ": error: " << message << '\n';
}

}  // namespace

std::string asUtf8(std::string_view bytes) {
    if (validUtf8(bytes) == bytes) return std::string(bytes);
    std::string out;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            out += c;
        } else {
            out += static_cast<char>(0xC0 | (b >> 6));
            out += static_cast<char>(0x80 | (b & 0x3F));
        }
    }
    return out;
}

ConsoleStatus runConsole(std::string_view fileName, std::string_view source, std::istream& in, std::ostream& out,
                         std::ostream& err, const ConsoleOptions& options) {
    const Compiled compiled = compile(source);
    if (!compiled.ok()) {
        for (const Diagnostic& d : compiled.errors) report(err, fileName, d.span.begin, d.message);
        return kTextErrors;
    }
    Limits limits;
    limits.budget = options.budget;
    Machine machine(compiled.program, NumberFormat{".", ","}, limits);
    ConsoleOutput output(out);
    machine.setObserver(&output);
    machine.setRefill([&] {
        if (options.prompt) out << "> ";
        out.flush();
        std::string line;
        if (!std::getline(in, line)) return false;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        machine.give(Value::ofText(asUtf8(line)));
        return true;
    });
    const Machine::Status status = machine.start();
    out.flush();
    if (status == Machine::Status::Faulted) {
        const Fault& f = *machine.fault();
        report(err, fileName, f.span.begin.line ? f.span.begin : Position{f.line, 1}, f.message);
        return kRunFault;
    }
    if (status == Machine::Status::Waiting) {
        report(err, fileName, {machine.line(), 1}, "se acabó la entrada mientras Leer esperaba un valor");
        return kInputEnded;
    }
    return kFinished;
}

}  // namespace ej::algorithm
