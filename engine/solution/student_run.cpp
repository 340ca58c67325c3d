#include "engine/solution/student_run.h"


#include "engine/solution/reading.h"

namespace ej::solution {

namespace {

std::string quoted(const std::string& text) {
    std::string out = "«";
    out += text;
    out += "»";
    return out;
}

// Lines as a list: «Mayor: 9», «Lugar: 4»; at most a few, then "…".
std::string quotedLines(const std::vector<std::string>& lines) {
    constexpr std::size_t kShown = 12;
    std::string out;
    for (std::size_t i = 0; i < lines.size() && i < kShown; ++i) {
        if (i > 0) out += ", ";
        out += quoted(lines[i]);
    }
    if (lines.size() > kShown) out += ", …";
    return out;
}

std::string lineWord(int line) { return "la línea " + std::to_string(line); }

// "tu algoritmo se detuvo en la línea 4: división por cero": the run's own words, which
// open a sentence of their own elsewhere, continue this one.
std::string stoppedAt(const algorithm::Note& note) {
    std::string words = note.text;
    if (!words.empty() && words[0] >= 'A' && words[0] <= 'Z') words[0] = static_cast<char>(words[0] - 'A' + 'a');
    return "tu algoritmo se detuvo en " + lineWord(note.line) + ": " + words;
}

}  // namespace

StudentRun::StudentRun(std::shared_ptr<const algorithm::Program> program, const ExerciseWindow& window, long budget)
    : program_(std::move(program)), window_(window), budget_(budget) {
    std::vector<std::string> names;
    for (const auto& v : program_->variables) names.push_back(v.name);
    trace_.useNames(std::move(names));
}

void StudentRun::reload(std::shared_ptr<const algorithm::Program> program) {
    program_ = std::move(program);
    std::vector<std::string> names;
    for (const auto& v : program_->variables) names.push_back(v.name);
    trace_.clear();
    trace_.useNames(std::move(names));
    const std::vector<WindowPress> presses = std::move(presses_);
    restarted();
    for (const auto& press : presses) pressed(press);
}

void StudentRun::restarted() {
    typed_.clear();
    presses_.clear();
    difference_.reset();
    prompts_.clear();
    // Numbers written as PSeInt writes them, with a point, whatever the user's format.
    run_.emplace(program_, NumberFormat{".", ","}, budget_);
    const algorithm::Event event = run_->start();
    for (const auto& line : event.written) prompts_.insert(masked(line));
    if (!event.prompt.empty()) prompts_.insert(masked(event.prompt));
    difference_ = judgeStart(event);
    record("", "reinicio", event);
}

void StudentRun::pressed(const WindowPress& press) {
    if (!run_) restarted();
    typed_.push_back(press.typed);
    presses_.push_back(press);
    if (!press.read) {
        // Refused before any rule: nothing reaches the algorithm.
        const algorithm::Event event = run_->refused(press.message);
        algorithm::Event quiet = event;
        quiet.notes.clear();
        return record(press.typed, "no llega al algoritmo", quiet);
    }
    const algorithm::Event event = run_->feed(*press.read);
    if (!difference_) difference_ = judge(press, event);
    if (press.message.empty() && !event.prompt.empty()) prompts_.insert(masked(event.prompt));
    record(press.typed, resultText(press, event), event);
}

std::vector<std::string> StudentRun::messages(const algorithm::Event& event) const {
    std::vector<std::string> out;
    for (const auto& line : event.written)
        if (!prompts_.count(masked(line))) out.push_back(line);
    if (!event.prompt.empty() && !prompts_.count(masked(event.prompt))) out.push_back(event.prompt);
    return out;
}

std::optional<Difference> StudentRun::judgeStart(const algorithm::Event& event) const {
    const std::string waits = "la ventana espera el primer valor";
    if (!event.notes.empty())
        return Difference{{}, waits, stoppedAt(event.notes.front()), event.notes.front().line};
    if (event.ended) return Difference{{}, waits, "tu algoritmo terminó sin leer ningún valor", event.waitingLine};
    return std::nullopt;
}

std::optional<Difference> StudentRun::judge(const WindowPress& press, const algorithm::Event& event) const {
    Difference d{typed_, {}, {}, 0};
    const bool refused = !press.message.empty();
    if (refused)
        d.window = "la ventana lo rechazó (" + quoted(press.message) + ")";
    else if (press.complete)
        d.window = "la ventana completó la serie";
    else
        d.window = "la ventana lo aceptó y espera otro valor";
    if (!event.notes.empty()) {
        d.line = event.notes.front().line;
        d.algorithm = stoppedAt(event.notes.front());
        return d;
    }
    std::vector<std::string> said = messages(event);
    // After a value taken, the line right before the next `Leer` asks for the next one.
    if (!refused && !event.prompt.empty() && !said.empty() && said.back() == event.prompt) said.pop_back();
    if (refused || !press.complete) {
        if (event.ended) {
            d.line = event.waitingLine;
            d.algorithm = "tu algoritmo terminó";
            if (!said.empty()) d.algorithm += " y escribió " + quotedLines(said);
            return d;
        }
        if (refused && said.empty()) {
            d.line = event.waitingLine;
            d.algorithm = "tu algoritmo lo tomó sin escribir ningún aviso y espera otro valor en " + lineWord(d.line);
            return d;
        }
        if (!refused && !said.empty()) {
            d.line = event.waitingLine;
            d.algorithm = "tu algoritmo escribió " + quotedLines(said);
            return d;
        }
        return std::nullopt;
    }
    if (!event.ended) {
        d.line = event.waitingLine;
        d.algorithm = "tu algoritmo sigue: espera otro valor en " + lineWord(d.line);
        if (!said.empty()) d.algorithm += " después de escribir " + quotedLines(said);
        return d;
    }
    std::vector<ShownResult> shown;
    for (const Result& r : press.results) {
        const ControlDesign* box = window_.design().find(r.box);
        shown.push_back({box ? window_.design().captionFor(*box) : r.box, r.text});
    }
    const char decimal = window_.format().decimal.size() == 1 ? window_.format().decimal[0] : ',';
    const auto missing = missingResult(shown, said, decimal);
    if (!missing) return std::nullopt;
    const ShownResult& result = shown[*missing];
    const bool text = numbersIn(result.text, decimal).empty();
    const auto first = result.text.find_first_not_of(' ');
    d.window += " y muestra en " + quoted(result.caption) + " " + quoted(first == std::string::npos ? result.text : result.text.substr(first));
    d.line = event.waitingLine;
    if (said.empty())
        d.algorithm = "tu algoritmo terminó sin escribir ningún resultado";
    else
        d.algorithm = std::string(text ? "tu algoritmo no escribió una línea sin números que lo diga; escribió al final "
                                       : "tu algoritmo no escribió ese resultado; escribió al final ") +
                      quotedLines(said);
    return d;
}

std::string StudentRun::resultText(const WindowPress& press, const algorithm::Event& event) const {
    if (!event.notes.empty()) return event.notes.front().text;
    const std::vector<std::string> said = messages(event);
    std::string out;
    for (const auto& line : said) {
        if (!out.empty()) out += " / ";
        out += line;
    }
    if (!out.empty()) return out;
    if (event.ended) return "terminó";
    return press.message.empty() ? "leído" : "leído sin aviso";
}

void StudentRun::record(const std::string& typed, const std::string& result, const algorithm::Event& event) {
    // One row a press, whatever loops it ran, so that it lines up with the window's rows.
    const std::size_t stretches = event.stretches.size();
    auto shared = std::make_shared<const algorithm::Event>(stretches > 1 ? algorithm::joined(event, 0, stretches - 1) : event);
    trace_.record(typed, result, shared->stretches.front().values, {shared, 0});
}

std::string startingText(const ExerciseWindow& window) {
    constexpr std::size_t kWidth = 84;
    const ControlDesign* statement = window.design().find(window.statementLabel());
    std::string out = "// " + window.design().caption + "\n";
    std::string line = "//";
    std::string words = statement ? statement->caption : std::string();
    for (std::size_t at = 0; at < words.size();) {
        std::size_t end = words.find(' ', at);
        if (end == std::string::npos) end = words.size();
        const std::string word = words.substr(at, end - at);
        if (line.size() + 1 + word.size() > kWidth && line != "//") {
            out += line + "\n";
            line = "//";
        }
        if (!word.empty()) line += " " + word;
        at = end + 1;
    }
    if (line != "//") out += line + "\n";
    out += "Algoritmo Ejercicio" + window.design().name.substr(std::string("frmej").size()) + "\n\t\nFinAlgoritmo\n";
    return out;
}

}  // namespace ej::solution
