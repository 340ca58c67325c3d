// What the listing beside the desk check marks of an event: the lines it ran with their
// tallies, its notes, the ▶, for the whole event and for each stretch of a sort's passes;
// and the lines that give a variable its value.
#include <gtest/gtest.h>

#include "tests/unit/algorithm/samples.h"

#include "engine/algorithm/compiler.h"
#include "engine/algorithm/marks.h"

namespace ej::algorithm {
namespace {

// Two values, then a loop of three passes after the series.
constexpr const char* kPasses = R"(Algoritmo Pasadas
	Definir n, k Como Entero;
	Mientras n < 2 Hacer
		Leer k;
		n <- n + 1;
	FinMientras
	Para k <- 1 Hasta 3 Hacer
		n <- n * 2;
	FinPara
FinAlgoritmo)";

struct Listing {
    std::shared_ptr<const Program> program;
    Run run;
    explicit Listing(const char* text) : program(compile(text).program), run(program, NumberFormat{",", "."}) {}
    Marks of(const Event& e, std::optional<std::size_t> stretch = std::nullopt) const {
        return marksOf(e, program->lines.size(), stretch);
    }
};

std::vector<std::string> notes(const Marks& m) {
    std::vector<std::string> out;
    for (const auto& l : m.lines) out.push_back(l.note());
    return out;
}

TEST(ListingMarks, APressTalliesItsLinesAndWaitsAtItsLeer) {
    Listing p(kReduction);
    EXPECT_EQ(p.of(p.run.start()).spoken(),
              "Ejecutó las líneas 2, 3 (→ Verdadero). Espera el próximo valor en la línea 4.");
    const Marks m = p.of(p.run.feed(7));
    EXPECT_EQ(m.ranLines(), (std::vector<int>{3, 4, 5, 6, 7}));
    EXPECT_EQ(notes(m), (std::vector<std::string>{"", "", "→ Verdadero", "", "", "×4 → Falso", "×3", "", "", ""}));
    EXPECT_EQ(m.waiting, 4);
    EXPECT_EQ(m.firstRun, 4);  // the Leer that took the value, though line 3 comes first
    EXPECT_EQ(m.spoken(), "Ejecutó las líneas 3 (→ Verdadero), 4, 5, 6 (×4 → Falso), 7 (×3). "
                          "Espera el próximo valor en la línea 4.");
}

TEST(ListingMarks, ARefusalRunsNothingAndSaysWhyAtTheWaitingLeer) {
    Listing p(kReduction);
    p.run.start();
    const Marks m = p.of(p.run.refused("El valor abc no es numérico"));
    EXPECT_TRUE(m.ranLines().empty());
    EXPECT_EQ(m.lines[3].note(), "El valor abc no es numérico");
    EXPECT_EQ(m.spoken(), "No ejecutó ninguna línea. Línea 4: El valor abc no es numérico. "
                          "Espera el próximo valor en la línea 4.");
}

TEST(ListingMarks, EachPassApartAndTheWholePressTogether) {
    Listing p(kPasses);
    p.run.start();
    p.run.feed(1);
    const Event e = p.run.feed(1);
    ASSERT_EQ(e.stretches.size(), 5u);  // before the loop, three passes, what follows
    struct Row {
        std::optional<std::size_t> stretch;
        std::vector<int> ran;
        std::string loopNote, bodyNote;
        int waiting;
    };
    const Row rows[] = {
        {0, {3, 4, 5}, "", "", 0},
        {2, {7, 8}, "→ Verdadero", "", 0},
        {4, {7, 10}, "→ Falso", "", 10},
        {std::nullopt, {3, 4, 5, 7, 8, 10}, "×4 → Falso", "×3", 10},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.stretch.value_or(99));
        const Marks m = p.of(e, r.stretch);
        EXPECT_EQ(m.ranLines(), r.ran);
        EXPECT_EQ(m.lines[6].note(), r.loopNote);
        EXPECT_EQ(m.lines[7].note(), r.bodyNote);
        EXPECT_EQ(m.waiting, r.waiting);
        EXPECT_EQ(m.ended, r.waiting != 0);
    }
}

TEST(ListingMarks, ANoteGoesWithThePartThatRanItsLineAndWithTheLast) {
    Event e;
    e.stretches = {{{{3, 1, 0}}, {}}, {{{5, 1, -1}}, {}}, {{{6, 1, -1}}, {}}};
    e.notes = {{3, "Este ciclo no termina"}, {9, "fuera del algoritmo"}};
    e.waitingLine = 6;
    const auto noteAt3 = [&](std::optional<std::size_t> s) { return marksOf(e, 8, s).lines[2].note(); };
    EXPECT_EQ(noteAt3(0), "→ Falso · Este ciclo no termina");
    EXPECT_EQ(noteAt3(1), "");
    EXPECT_EQ(noteAt3(2), "Este ciclo no termina");
    EXPECT_EQ(noteAt3(std::nullopt), "→ Falso · Este ciclo no termina");
}

TEST(ListingMarks, TheLinesThatGiveAVariableItsValue) {
    const Compiled compiledReduction = compile(kReduction), compiledPasses = compile(kPasses);
    const Program &reduction = *compiledReduction.program, &passes = *compiledPasses.program;
    EXPECT_EQ(assigningLines(reduction, 0), (std::vector<int>{4}));        // valor: its Leer
    EXPECT_EQ(assigningLines(reduction, 1), (std::vector<int>{5, 7}));     // copia: and the loop's step
    EXPECT_EQ(assigningLines(passes, 0), (std::vector<int>{5, 8}));        // n
    EXPECT_EQ(assigningLines(passes, 1), (std::vector<int>{4, 7}));        // k: a Leer and a Para
    // What a desk check's header says of each.
    const Compiled typed = compile("Algoritmo a\n\tDefinir n Como Entero\n\tDefinir v, w Como Real\n"
                                   "\tDimension v[3]\n\tLeer n\n\tv[n] <- 1\nFinAlgoritmo\n");
    EXPECT_EQ(aboutVariable(*typed.program, 0), "Entero; se asigna en la línea 5");
    EXPECT_EQ(aboutVariable(*typed.program, 1), "arreglo de Real; se asigna en la línea 6");
    EXPECT_EQ(aboutVariable(*typed.program, 2), "Real; no se le asigna ningún valor");
    EXPECT_EQ(aboutVariable(reduction, 1).substr(aboutVariable(reduction, 1).find(';')), "; se asigna en las líneas 5, 7");
}

}  // namespace
}  // namespace ej::algorithm
