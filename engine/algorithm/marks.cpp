#include "engine/algorithm/marks.h"

#include <algorithm>

namespace ej::algorithm {

namespace {

// How a line ran, summed over the stretches shown.
struct Tally {
    double times = 0;
    int outcome = -1;
};

std::string timesText(double times) {
    // A loop run in one go may count more passes than a long holds.
    return times < 1e18 ? std::to_string(static_cast<long long>(times)) : std::to_string(times);
}

std::string tallyText(const Tally& t) {
    std::string text;
    if (t.times > 1) text = "×" + timesText(t.times);
    if (t.outcome >= 0) {
        if (!text.empty()) text += ' ';
        text += t.outcome ? "→ Verdadero" : "→ Falso";
    }
    return text;
}

void join(std::string& into, const std::string& more, const char* separator) {
    if (more.empty()) return;
    if (!into.empty()) into += separator;
    into += more;
}

}  // namespace

std::string LineMarks::note() const {
    std::string text = tally;
    join(text, message, " · ");
    return text;
}

std::vector<int> Marks::ranLines() const {
    std::vector<int> out;
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i].ran) out.push_back(static_cast<int>(i) + 1);
    return out;
}

std::string Marks::spoken() const {
    std::string ran, said;
    int ranCount = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const LineMarks& l = lines[i];
        const std::string number = std::to_string(i + 1);
        if (l.ran) {
            join(ran, l.tally.empty() ? number : number + " (" + l.tally + ")", ", ");
            ++ranCount;
        }
        if (!l.message.empty()) join(said, "Línea " + number + ": " + l.message + ".", " ");
    }
    std::string text = ranCount == 0   ? "No ejecutó ninguna línea."
                       : ranCount == 1 ? "Ejecutó la línea " + ran + "."
                                       : "Ejecutó las líneas " + ran + ".";
    join(text, said, " ");
    if (waiting > 0)
        join(text, (ended ? "Terminó en la línea " : "Espera el próximo valor en la línea ") + std::to_string(waiting) + ".",
             " ");
    return text;
}

Marks marksOf(const Event& event, std::size_t lineCount, std::optional<std::size_t> stretch) {
    const std::size_t count = event.stretches.size();
    const std::size_t first = stretch.value_or(0);
    const std::size_t last = stretch ? std::min(*stretch + 1, count) : count;
    const bool endsTheEvent = last >= count;

    std::vector<Tally> tallies(lineCount);
    std::vector<bool> ran(lineCount, false);
    int firstRun = 0;
    for (std::size_t s = first; s < last; ++s)
        for (const LineRun& l : event.stretches[s].lines) {  // in the order they first ran
            const auto at = static_cast<std::size_t>(l.line - 1);
            if (l.line < 1 || at >= lineCount) continue;
            if (!firstRun) firstRun = l.line;
            ran[at] = true;
            tallies[at].times += l.times;
            if (l.outcome >= 0) tallies[at].outcome = l.outcome;
        }

    Marks m;
    m.firstRun = firstRun;
    m.lines.resize(lineCount);
    for (std::size_t i = 0; i < lineCount; ++i) {
        m.lines[i].ran = ran[i];
        if (ran[i]) m.lines[i].tally = tallyText(tallies[i]);
    }
    for (const Note& n : event.notes) {
        const auto at = static_cast<std::size_t>(n.line - 1);
        if (n.line >= 1 && at < lineCount && (endsTheEvent || ran[at])) join(m.lines[at].message, n.text, " · ");
    }
    if (endsTheEvent && event.waitingLine >= 1 && static_cast<std::size_t>(event.waitingLine) <= lineCount) {
        m.waiting = event.waitingLine;
        m.ended = event.ended;
    }
    return m;
}

std::vector<int> assigningLines(const Program& program, int var) {
    using Op = Instruction::Op;
    std::vector<int> out;
    const ProcedureCode& main = program.procedures[static_cast<std::size_t>(program.main)];
    for (int k = main.entry; k < main.end; ++k) {
        const Instruction& in = program.code[static_cast<std::size_t>(k)];
        const bool gives = in.op == Op::Assign || in.op == Op::Read || in.op == Op::ForInit || in.op == Op::ForStep;
        if (gives && in.place.slot == var) out.push_back(in.line);
    }
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}

std::string aboutVariable(const Program& program, int var) {
    const Variable& v = program.variables[static_cast<std::size_t>(var)];
    std::string out = v.type == DataType::Unknown ? std::string("sin tipo definido") : std::string(typeName(v.type));
    if (v.array) out = "arreglo de " + out;
    const std::vector<int> lines = assigningLines(program, var);
    if (lines.empty()) return out + "; no se le asigna ningún valor";
    out += lines.size() == 1 ? "; se asigna en la línea " : "; se asigna en las líneas ";
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) out += ", ";
        out += std::to_string(lines[i]);
    }
    return out;
}

}  // namespace ej::algorithm
