// The exercises' algorithms in the desk check's run: every algorithm built into the
// program compiles; a run stops at each `Leer`; the loops that take millions of passes,
// or never end, in single precision. (Malformed programs are in the corpus.)
#include <gtest/gtest.h>

#include "tests/unit/algorithm/samples.h"

#include "engine/algorithm/compiler.h"
#include "engine/algorithm/run.h"
#include "engine/algorithm/sources.h"
#include "shell/catalog.h"

namespace ej::algorithm {
namespace {

TEST(Algorithms, EveryWindowHasOneThatCompilesAndIsNamedAfterIt) {
    for (const auto& [window, factory] : catalog()) {
        SCOPED_TRACE(window);
        const std::string_view text = source(window);
        ASSERT_FALSE(text.empty());
        const Compiled c = compile(text);
        ASSERT_TRUE(c.ok()) << c.errors.front().located();
        EXPECT_EQ(c.program->name, "Ejercicio" + window.substr(5));
    }
}

// As a teacher hands them out: indented by tabs, at most four blocks deep inside the
// algorithm, no blanks at the ends of lines, a final line break.
TEST(Algorithms, EveryWindowsIsWrittenForTheBoard) {
    for (const auto& [window, factory] : catalog()) {
        SCOPED_TRACE(window);
        const std::string_view text = source(window);
        ASSERT_FALSE(text.empty());
        EXPECT_EQ(text.back(), '\n');
        int number = 0;
        for (std::size_t from = 0; from < text.size();) {
            const std::size_t end = std::min(text.find('\n', from), text.size());
            const std::string_view line = text.substr(from, end - from);
            from = end + 1;
            ++number;
            if (line.empty()) continue;
            EXPECT_TRUE(line.back() != ' ' && line.back() != '\t' && line.back() != '\r') << "line " << number;
            const std::size_t tabs = line.find_first_not_of('\t');
            EXPECT_NE(line[tabs], ' ') << "line " << number << " is indented by blanks";
            EXPECT_LE(tabs, 5u) << "line " << number << " is nested too deep";
        }
    }
}

algorithm::Run running(const char* text) { return Run(compile(text).program, NumberFormat{",", "."}); }

const LineRun* lineOf(const Event& e, int line) {
    for (const auto& l : e.stretches.front().lines)
        if (l.line == line) return &l;
    return nullptr;
}

TEST(Algorithms, ARunStopsAtEachLeerAndCountsTheLinesItRan) {
    algorithm::Run run = running(kReduction);
    const Event start = run.start();
    EXPECT_EQ(start.waitingLine, 4);
    const Event e = run.feed(7);
    EXPECT_EQ(e.waitingLine, 4);
    EXPECT_EQ(lineOf(e, 6)->times, 4);  // the test: three passes, then Falso
    EXPECT_EQ(lineOf(e, 6)->outcome, 0);
    EXPECT_EQ(lineOf(e, 7)->times, 3);
    EXPECT_EQ(lineOf(e, 3)->outcome, 1);
    EXPECT_EQ(e.stretches.front().values, (std::vector<std::string>{"7", "1"}));
}

struct LongLoop {
    float value;
    const char* copy;  // what the loop leaves
    double passes;
    bool noted;  // the loop as written would never end
};

TEST(Algorithms, LongAndEndlessReductionsAnswerAtOnce) {
    const LongLoop cases[] = {
        {16777215.0f, "1", 8388607, false},
        {16777216.0f, "0", 8388608, false},
        {33554436.0f, "0", 0, false},   // a tie rounds one step to 4, then the steps are exact
        {33554440.0f, "0", 0, true},    // 33554440 - 2 rounds back to 33554440
        {3e38f, "0", 0, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        algorithm::Run run = running(kReduction);
        run.start();
        const Event e = run.feed(c.value);
        EXPECT_EQ(e.stretches.front().values[1], c.copy);
        EXPECT_EQ(!e.notes.empty(), c.noted);
        if (c.passes > 0) {
            EXPECT_EQ(lineOf(e, 7)->times, c.passes);
        }
        EXPECT_TRUE(run.waiting());
    }
}

TEST(Algorithms, ALoopThatRunsAwayOrAFaultStopsTheRunWithANote) {
    algorithm::Run away = running(R"(Algoritmo A
	Definir c Como Real;
	c <- 5;
	Mientras c >= 2 Hacer
		c <- c + 2;
	FinMientras
FinAlgoritmo)");
    const Event e = away.start();
    ASSERT_EQ(e.notes.size(), 1u);
    EXPECT_EQ(e.notes[0].line, 4);
    EXPECT_FALSE(e.ended);

    algorithm::Run overflow = running("Algoritmo Prueba\n\tDefinir c Como Real;\n\tc <- 3 * 10 ^ 38 * 2;\nFinAlgoritmo");
    EXPECT_EQ(overflow.start().notes.at(0).line, 3);
}

}  // namespace
}  // namespace ej::algorithm
