// The agreement of every window with its algorithm, judged on what a student sees. Each
// window gets the teacher's series (every refusal, the bounds, all negatives, all equal,
// ties, empty classes, huge values) and random ones, with now and then a return to the
// window that starts the series again. For every press:
// - a value the window reads reaches the algorithm's waiting `Leer`;
// - a value the window refuses by one of its rules is one after which the algorithm
//   writes the window's message, word for word, before its next `Leer`;
// - a value the window accepts is one after which it writes nothing but its prompt;
// - the window completes on the press at which the algorithm reaches `FinAlgoritmo`,
//   and what it writes then is each result box's text after its caption.
// A disagreement is shown on the shortest series that still shows it, with the variables
// of the same name on both sides that differ at that press, where there are any.
// EJ_AGREEMENT_SERIES sets the random series per window (default 200), EJ_AGREEMENT_SEED
// the seed, EJ_AGREEMENT_WINDOWS a comma-separated list of windows; EJ_ALGORITHMS_DIR
// reads the algorithms from an exercises folder instead of the built-in ones;
// EJ_AGREEMENT_CAPTIONS=1 prints the captions each window's algorithm writes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <set>
#include <sstream>

#include "engine/algorithm/sources.h"
#include "engine/trial_series.h"
#include "tests/unit/algorithm/result_captions.h"
#include "tests/unit/harness.h"

namespace ej::testing {
namespace {

int envOr(const char* name, int fallback) {
    const char* v = std::getenv(name);
    return v ? std::atoi(v) : fallback;
}

constexpr int kMaxPresses = 90;
const NumberFormat kFormat{",", "."};  // the harness's
const std::string kReset = "[reinicio]";  // a press that is a visit to another window and back

// The window's refusal as the algorithm writes it: the same words around the value,
// where the window shows the text typed and the algorithm the number it read, as it
// writes a number ("1e3" as "1000").
bool sameRefusal(const std::string& window, const std::string& typed, const std::string& written) {
    if (written == window) return true;
    const std::size_t at = typed.empty() ? std::string::npos : window.find(typed);
    if (at == std::string::npos || !isNumeric(typed, kFormat)) return false;
    std::string number = singleText(toSingle(readValue(typed, kFormat)).value(), kFormat);
    return written == window.substr(0, at) + number + window.substr(at + typed.size());
}

// One series played through a window and its algorithm, press by press.
class Play {
public:
    explicit Play(const std::string& window) : window_(window), w_(window) {}

    // The first disagreement after `press`, or an empty text.
    std::string press(const std::string& typed) {
        played_.push_back(typed);
        if (typed == kReset) {
            w_.reactivate();
            return checkStart();
        }
        const std::size_t writtenBefore = w_.view().written.size();
        const long rowBefore = w_.window().trace().rows().back().number;
        w_.type(typed);
        const TraceRow& row = rowAfter(rowBefore);
        if (!row.algorithm.event) return "the press has no event of the algorithm";
        const algorithm::Event& event = *row.algorithm.event;
        const bool read = !event.stretches.front().lines.empty();
        const std::string message = w_.message();
        if (!event.notes.empty() && read) return "the algorithm stopped: " + event.notes.front().text;
        if (!message.empty() && read) {
            if (event.written.size() != 1)
                return "the window refused it (\"" + message + "\"), the algorithm wrote " +
                       std::to_string(event.written.size()) + " lines" +
                       (event.written.empty() ? std::string() : ", the first \"" + event.written.front() + "\"");
            if (!sameRefusal(message, typed, event.written.front()))
                return "the window refused it (\"" + message + "\"), the algorithm wrote \"" +
                       event.written.front() + "\"";
        }
        if (message.empty() && !read) return "the window took it, but the algorithm did not read it";
        if (event.ended && !w_.complete()) return "the algorithm reached FinAlgoritmo, the window waits for more";
        if (!w_.complete()) {
            if (message.empty() && !event.written.empty())
                return "the window took it, the algorithm wrote \"" + event.written.front() + "\"";
            return {};
        }
        if (!event.ended) return "the window completed, the algorithm waits at line " + std::to_string(event.waitingLine);
        return checkResults(event, writtenBefore);
    }

    std::string checkStart() {
        const algorithm::Event* event = w_.window().trace().rows().back().algorithm.event.get();
        if (!event) return "no algorithm: " + w_.window().algorithmError();
        if (!event->notes.empty()) return "the algorithm stopped: " + event->notes.front().text;
        if (!event->written.empty()) return "before its first Leer the algorithm wrote \"" + event->written.front() + "\"";
        if (event->ended) return "the algorithm ended before its first Leer";
        return {};
    }

    bool complete() const { return w_.complete(); }
    bool refused() const { return !w_.message().empty(); }
    const std::vector<std::string>& played() const { return played_; }
    const std::vector<std::string>& captions() const { return captions_; }

private:
    const TraceRow& rowAfter(long number) const {
        for (const TraceRow& r : w_.window().trace().rows())
            if (r.number == number + 1) return r;
        return w_.window().trace().rows().back();
    }

public:
    // The window's state and the algorithm's variables where they share a name and
    // differ now: not a rule, a clue to where a disagreement comes from.
    std::string clue() const {
        const Variables state = w_.window().stateVariables();
        const auto& names = w_.window().trace().names();
        const auto& values = w_.window().trace().rows().back().values;
        std::string out;
        for (std::size_t i = 0; i < state.names().size(); ++i) {
            const auto at = std::find(names.begin(), names.end(), state.names()[i]);
            const auto column = static_cast<std::size_t>(at - names.begin());
            if (at == names.end() || column >= values.size() || values[column] == state.texts()[i]) continue;
            out += (out.empty() ? "" : "; ") + *at + " is \"" + state.texts()[i] + "\" in the window, \"" +
                   values[column] + "\" in the algorithm";
        }
        return out;
    }

private:
    std::string checkResults(const algorithm::Event& event, std::size_t writtenBefore) {
        const auto& boxes = w_.view().written;
        std::set<std::string> resultBoxes;
        for (const auto& c : w_.window().design().controls)
            if (c.kind == ControlKind::TextBox && c.readOnly) resultBoxes.insert(c.name);
        std::vector<std::string> shown;
        for (std::size_t i = writtenBefore; i < boxes.size(); ++i)
            if (resultBoxes.count(boxes[i])) shown.push_back(w_.text(boxes[i]));
        if (shown.size() != event.written.size())
            return "the window shows " + std::to_string(shown.size()) + " results, the algorithm writes " +
                   std::to_string(event.written.size()) + " lines";
        const std::vector<std::string>* expected = resultCaptions(window_);
        for (std::size_t i = 0; i < shown.size(); ++i) {
            const std::string& line = event.written[i];
            const std::string tail = ": " + shown[i];
            const bool ends = line.size() > tail.size() && line.compare(line.size() - tail.size(), tail.size(), tail) == 0;
            if (!ends)
                return "result " + std::to_string(i + 1) + ": the window shows \"" + shown[i] +
                       "\", the algorithm writes \"" + line + "\"";
            captions_.push_back(line.substr(0, line.size() - tail.size()));
            if (expected && (i >= expected->size() || (*expected)[i] != captions_.back()))
                return "result " + std::to_string(i + 1) + ": the caption is \"" + captions_.back() + "\", not \"" +
                       (i < expected->size() ? (*expected)[i] : std::string("?")) + "\"";
        }
        const std::set<std::string> distinct(captions_.begin(), captions_.end());
        if (distinct.size() != captions_.size()) return "two results have the same caption";
        return {};
    }

    std::string window_;
    Opened w_;
    std::vector<std::string> played_;
    std::vector<std::string> captions_;
};

struct Outcome {
    std::string disagreement;
    std::vector<std::string> played;
    std::string clue;
    std::vector<std::string> captions;
};

// Plays a series, chosen press by press, to the window's completion.
Outcome playSeries(const std::string& window, const TrialSeries& series, unsigned seed, bool resets) {
    std::mt19937 random(seed);
    Play play(window);
    Progress progress;
    std::string d = play.checkStart();
    while (d.empty() && !play.complete() && progress.presses < kMaxPresses) {
        std::string text = resets && random() % 100 < 3 ? kReset : series.next(progress, random);
        d = play.press(text);
        if (text == kReset) {
            progress = {progress.presses, 0, 0, ""};
            continue;
        }
        progress.took(text, play.refused());
    }
    return {d, play.played(), d.empty() ? std::string() : play.clue(), play.captions()};
}

// Replays a fixed list of presses; the first disagreement.
Outcome replay(const std::string& window, const std::vector<std::string>& presses) {
    Play play(window);
    std::string d = play.checkStart();
    for (std::size_t i = 0; d.empty() && i < presses.size(); ++i) d = play.press(presses[i]);
    return {d, play.played(), d.empty() ? std::string() : play.clue(), {}};
}

// The series without each press that it can do without and still disagree.
Outcome shortest(const std::string& window, Outcome failing) {
    for (std::size_t i = failing.played.size(); i-- > 0;) {
        std::vector<std::string> fewer = failing.played;
        fewer.erase(fewer.begin() + static_cast<std::ptrdiff_t>(i));
        Outcome o = replay(window, fewer);
        if (!o.disagreement.empty()) failing = std::move(o);
    }
    return failing;
}

std::string shown(const std::vector<std::string>& presses) {
    std::string out;
    for (const auto& p : presses) out += p == kReset ? " " + p : " \"" + p + "\"";
    return out;
}

// Whether a comma-separated list holds a name.
bool listed(std::string_view list, std::string_view name) {
    while (!list.empty()) {
        const std::size_t comma = std::min(list.find(','), list.size());
        if (list.substr(0, comma) == name) return true;
        list.remove_prefix(std::min(comma + 1, list.size()));
    }
    return false;
}

std::vector<std::string> windowsToTry() {
    const char* only = std::getenv("EJ_AGREEMENT_WINDOWS");
    std::vector<std::string> out;
    for (const auto& [name, factory] : catalog()) {
        if (only && !listed(only, name)) continue;
        out.push_back(name);
    }
    return out;
}

TEST(AlgorithmAgreement, EveryWindowAgreesWithItsAlgorithmOnWhatAStudentSees) {
    if (const char* folder = std::getenv("EJ_ALGORITHMS_DIR")) algorithm::readSourcesFrom(folder);
    const int randomCount = envOr("EJ_AGREEMENT_SERIES", 200);
    const unsigned seed = static_cast<unsigned>(envOr("EJ_AGREEMENT_SEED", 2005));
    const bool printCaptions = std::getenv("EJ_AGREEMENT_CAPTIONS") != nullptr;
    std::vector<TrialSeries> all = teacherSeries();
    for (int k = 0; k < randomCount; ++k) all.push_back(randomSeries());
    long presses = 0, windows = 0;
    for (const std::string& window : windowsToTry()) {
        ++windows;
        std::vector<std::string> captions;
        for (std::size_t k = 0; k < all.size(); ++k) {
            const unsigned s = seed + static_cast<unsigned>(k);
            const bool random = all[k].name == "al azar";
            Outcome o = playSeries(window, all[k], s, random);
            presses += static_cast<long>(o.played.size());
            if (!o.captions.empty() && captions.empty()) captions = o.captions;
            if (o.disagreement.empty()) continue;
            o = shortest(window, std::move(o));
            ADD_FAILURE() << window << ", series \"" << all[k].name << "\" (seed " << s << "), shortest:" << shown(o.played)
                          << "\n  " << o.disagreement << (o.clue.empty() ? "" : "\n  clue: " + o.clue);
            break;
        }
        if (printCaptions) {
            std::cout << "    {\"" << window << "\", {";
            for (std::size_t i = 0; i < captions.size(); ++i) std::cout << (i ? ", " : "") << '"' << captions[i] << '"';
            std::cout << "}},\n";
        }
    }
    std::cout << "[ agreement ] " << windows << " windows x " << all.size() << " series, " << presses << " presses\n";
}

TEST(AlgorithmAgreement, EveryWindowsResultsHaveTheirCaptions) {
    for (const std::string& window : windowsToTry()) EXPECT_TRUE(resultCaptions(window)) << window;
}

}  // namespace
}  // namespace ej::testing
