// The agreement of every window with its algorithm: seeded random series through the
// real window (accepted values of every kind, refusals by each rule, texts that are not
// numbers, overflows, activation resets, completion). After every event the
// algorithm's variables read as the desk check's row; a value the window refuses by
// one of its rules is one the algorithm refuses in the same words; at completion the
// algorithm writes the window's results. EJ_AGREEMENT_SERIES sets the series per
// window (default 100), EJ_AGREEMENT_SEED the seed.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <set>
#include <sstream>

#include "tests/unit/harness.h"

namespace ej::testing {
namespace {

int envOr(const char* name, int fallback) {
    const char* v = std::getenv(name);
    return v ? std::atoi(v) : fallback;
}

// What a student may type, weighted towards the small whole numbers that complete a
// series, with every other kind now and then.
std::string randomText(std::mt19937& random) {
    static const char* const kOdd[] = {"2.5", "-7.25", "0.5", "-0", "1e3", " 8 ", "16777215", "16777217",
                                       "33554438", "33554440", "2147483904", "99999999999", "3e38", "-3e38",
                                       "1e39", "", "abc", "12abc", "-", "&H10", "1.5E+07", "0.1"};
    const int kind = static_cast<int>(random() % 100);
    if (kind < 55) return std::to_string(1 + static_cast<int>(random() % 20));
    if (kind < 70) return std::to_string(-1 - static_cast<int>(random() % 20));
    if (kind < 82) return "0";
    return kOdd[random() % std::size(kOdd)];
}

// The part of a refusal that is the window's own: "El valor 2.5 no es lo pedido" is
// "El valor " and " no es lo pedido" around what was typed.
std::pair<std::string, std::string> wordsAround(const std::string& message, const std::string& typed) {
    const std::size_t at = typed.empty() ? std::string::npos : message.find(typed);
    if (at == std::string::npos) return {message, ""};
    return {message.substr(0, at), message.substr(at + typed.size())};
}

class Series {
public:
    Series(const std::string& window, unsigned seed) : window_(window), w_(window), random_(seed) {}

    // Plays presses until the window completes, or 90 events; the first disagreement
    // is returned, described, or an empty text when there is none.
    std::string play() {
        if (!w_.window().algorithm()) return "no algorithm: " + w_.window().algorithmError();
        if (std::string d = checkNewRows(); !d.empty()) return d;
        for (int event = 0; event < 90 && !w_.complete(); ++event) {
            const int action = static_cast<int>(random_() % 100);
            if (action < 3) {
                played_ << " [reinicio]";
                w_.reactivate();
                if (std::string d = checkNewRows(); !d.empty()) return d;
                continue;
            }
            std::string d = press(randomText(random_));
            if (!d.empty()) return d;
        }
        return {};
    }

    std::string played() const { return played_.str(); }

private:
    std::string press(const std::string& typed) {
        const bool quantity = window_ == "frmej66" && w_.view().enabled("cmdej6601") && random_() % 4 != 0;
        played_ << (quantity ? " cantidad:" : " ") << '"' << typed << '"';
        const std::size_t writtenBefore = w_.view().written.size();
        pressRow_ = w_.window().trace().rows().back().number + 1;
        if (quantity) {
            w_.view().setText("txtej6601", typed);
            w_.click("cmdej6601");
        } else {
            w_.enter(typed);
        }
        if (std::string d = checkNewRows(); !d.empty()) return d;
        const AlgorithmPart& part = rowOfPress().algorithm;
        if (!part.lines()) return "the press has no part of the algorithm";
        const auto& event = *part.event;
        const bool read = !part.lines()->lines.empty();
        const std::string message = w_.message();
        if (!message.empty() && read) {
            // Refused by a rule the algorithm writes: it writes the refusal.
            const auto [before, after] = wordsAround(message, typed);
            if (event.written.size() != 1) return "refused \"" + message + "\" but the algorithm wrote " +
                                                  std::to_string(event.written.size()) + " lines";
            const std::string& said = event.written.front();
            if (said.rfind(before, 0) != 0 || said.size() < before.size() + after.size() ||
                said.compare(said.size() - after.size(), after.size(), after) != 0)
                return "refused \"" + message + "\" but the algorithm wrote \"" + said + "\"";
        } else if (message.empty() && !w_.complete() && !event.written.empty()) {
            return "accepted, but the algorithm wrote \"" + event.written.front() + "\"";
        }
        if (w_.complete() && !read) return "complete, but the algorithm did not read the value";
        if (w_.complete()) return checkResults(event, writtenBefore);
        return {};
    }

    // The row of the press just made, before its pass rows.
    const TraceRow& rowOfPress() const {
        for (const TraceRow& r : w_.window().trace().rows())
            if (r.number == pressRow_) return r;
        return w_.window().trace().rows().back();
    }

    std::string checkNewRows() {
        const Trace& trace = w_.window().trace();
        const auto headers = trace.headers();
        for (const TraceRow& row : trace.rows()) {
            if (row.number <= checkedUpTo_) continue;
            checkedUpTo_ = row.number;
            const algorithm::Stretch* part = row.algorithm.lines();
            if (!part) return "row " + std::to_string(row.number) + " (" + row.result + ") has no part of the algorithm";
            for (std::size_t i = 0; i < row.values.size(); ++i)
                if (i >= part->values.size() || part->values[i] != row.values[i])
                    return "row " + std::to_string(row.number) + " (" + row.result + "), " + headers[i + 3] +
                           ": the window has \"" + row.values[i] + "\", the algorithm \"" +
                           (i < part->values.size() ? part->values[i] : "?") + "\"";
        }
        return {};
    }

    std::string checkResults(const algorithm::Event& event, std::size_t writtenBefore) {
        if (!event.ended) return "complete, but the algorithm did not reach FinAlgoritmo";
        const auto& boxes = w_.view().written;
        const auto& design = w_.window().design();
        std::set<std::string> resultBoxes;
        for (const auto& c : design.controls)
            if (c.kind == ControlKind::TextBox && c.readOnly) resultBoxes.insert(c.name);
        std::vector<std::string> shown;
        for (std::size_t i = writtenBefore; i < boxes.size(); ++i)
            if (resultBoxes.count(boxes[i])) shown.push_back(w_.text(boxes[i]));
        if (shown.size() != event.written.size())
            return "the window shows " + std::to_string(shown.size()) + " results, the algorithm writes " +
                   std::to_string(event.written.size());
        for (std::size_t i = 0; i < shown.size(); ++i) {
            const std::string& line = event.written[i];
            const std::size_t colon = line.find(": ");
            const std::string value = colon == std::string::npos ? line : line.substr(colon + 2);
            if (value != shown[i])
                return "result " + std::to_string(i + 1) + ": the window shows \"" + shown[i] +
                       "\", the algorithm writes \"" + line + "\"";
        }
        return {};
    }

    std::string window_;
    Opened w_;
    std::mt19937 random_;
    std::ostringstream played_;
    long checkedUpTo_ = 0;
    long pressRow_ = 0;
};

TEST(AlgorithmAgreement, EveryWindowAgreesWithItsAlgorithmOnEveryPress) {
    const int seriesPerWindow = envOr("EJ_AGREEMENT_SERIES", 100);
    const unsigned seed = static_cast<unsigned>(envOr("EJ_AGREEMENT_SEED", 2005));
    long presses = 0;
    for (const auto& [name, factory] : catalog()) {
        for (int k = 0; k < seriesPerWindow; ++k) {
            Series s(name, seed + static_cast<unsigned>(k));
            const std::string disagreement = s.play();
            const std::string played = s.played();
            presses += static_cast<long>(std::count(played.begin(), played.end(), '"')) / 2;
            if (!disagreement.empty()) {
                ADD_FAILURE() << name << ", series " << k << " (seed " << seed + static_cast<unsigned>(k)
                              << "):" << played << "\n  " << disagreement;
                break;
            }
        }
    }
    std::cout << "[ agreement ] " << catalog().size() << " windows x " << seriesPerWindow << " series, " << presses
              << " presses\n";
}

}  // namespace
}  // namespace ej::testing
