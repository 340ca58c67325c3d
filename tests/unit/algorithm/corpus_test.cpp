// The corpus of example programs (tests/corpus), run by the console runner: each
// well-formed program writes, for its input, what PSeInt writes; each malformed one is
// refused with the faults written beside it, every one on a line PSeInt names too.
#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "engine/algorithm/console.h"
#include "tests/unit/algorithm/corpus.h"

namespace ej::algorithm {
namespace {

struct Outcome {
    ConsoleStatus status;
    std::string out, err;
};

Outcome run(const CorpusProgram& p) {
    std::istringstream in{std::string(p.input)};
    std::ostringstream out, err;
    const std::string file = std::string(p.name) + ".psc";
    const ConsoleStatus status = runConsole(file, p.source, in, out, err);
    return {status, out.str(), err.str()};
}

// The lines of "=== Line 5: SynError 109", PSeInt's faults (after a "> " when it
// was reading).
std::set<int> pseintLines(std::string_view text) {
    std::set<int> lines;
    std::istringstream in{std::string(text)};
    for (std::string line; std::getline(in, line);)
        if (const std::size_t at = line.find("=== Line "); at != std::string::npos)
            lines.insert(std::stoi(line.substr(at + 9)));
    return lines;
}

// Runs each program of a folder of the corpus through the console and checks it.
template <class Check>
void eachOf(std::string_view group, int least, Check check) {
    int count = 0;
    for (const CorpusProgram& p : corpus()) {
        if (p.group != group) continue;
        SCOPED_TRACE(p.name);
        check(p, run(p));
        ++count;
    }
    EXPECT_GE(count, least);  // the corpus was found
}

TEST(Corpus, EveryProgramWritesWhatPSeIntWrites) {
    eachOf("programs", 60, [](const CorpusProgram& p, const Outcome& o) {
        EXPECT_EQ(o.status, kFinished) << o.err;
        EXPECT_EQ(o.out, p.output);
    });
}

TEST(Corpus, EveryMalformedProgramIsRefusedOnTheLinesPSeIntNames) {
    eachOf("errors", 50, [](const CorpusProgram& p, const Outcome& o) {
        // PSeInt finds some faults of type before running (sintaxis_tipo_*); they are
        // faults of the run here, met on the same line.
        const bool runs = std::string_view(p.name).rfind("ejecucion", 0) == 0;
        EXPECT_TRUE(runs ? o.status == kRunFault : o.status == kTextErrors || o.status == kRunFault);
        EXPECT_EQ(o.err, p.faults);
        const std::set<int> theirs = pseintLines(p.pseint);
        std::istringstream faults(o.err);
        for (std::string line; std::getline(faults, line);) {
            const std::size_t colon = line.find(".psc:");
            ASSERT_NE(colon, std::string::npos) << line;
            EXPECT_TRUE(theirs.count(std::stoi(line.substr(colon + 5)))) << line;
        }
    });
}

}  // namespace
}  // namespace ej::algorithm
