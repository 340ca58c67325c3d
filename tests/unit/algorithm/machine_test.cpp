// The machine on its own: the limits that keep a student's algorithm from taking the
// program down, and the counting loops run in one go, which must leave exactly what the
// loop run pass by pass leaves.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <sstream>

#include "engine/algorithm/compiler.h"
#include "engine/algorithm/machine.h"
#include "tests/unit/algorithm/corpus.h"

namespace ej::algorithm {
namespace {

// What a run leaves: how often each line ran with its last outcome, what it wrote and
// noted, as text.
class Transcript : public Observer {
public:
    void lineRan(int line, double times) override { lines_[line].first += times; }
    void conditionEvaluated(int line, bool outcome, double times) override {
        lines_[line] = {lines_[line].first + times, outcome ? 'V' : 'F'};
    }
    void written(const std::string& text, bool newline) override { said_ << text << (newline ? "\n" : ""); }
    void noted(int line, const std::string& text) override { said_ << "N" << line << ':' << text << '\n'; }
    std::string text() const {
        std::ostringstream out;
        for (const auto& [line, run] : lines_) out << line << 'x' << run.first << run.second << ' ';
        return out.str() + "\n" + said_.str();
    }

private:
    std::map<int, std::pair<double, char>> lines_;
    std::ostringstream said_;
};

struct Result {
    Machine::Status status;
    std::string fault;
    int line = 0;
};

Result runText(const std::string& text, Limits limits = {}, Observer* observer = nullptr, bool accelerated = true,
               std::vector<std::string> input = {}) {
    const Compiled c = compile(text);
    EXPECT_TRUE(c.ok()) << (c.errors.empty() ? "" : c.errors.front().located()) << "\n" << text;
    if (!c.ok()) return {Machine::Status::Faulted, "no compila", 0};
    Machine m(c.program, NumberFormat{".", ","}, limits);
    m.setObserver(observer);
    m.setAccelerated(accelerated);
    for (auto& v : input) m.give(Value::ofText(v));
    const Machine::Status s = m.start();
    return {s, m.fault() ? m.fault()->message : "", m.line()};
}

TEST(MachineLimits, WhatWouldExhaustTheProgramIsAFaultAtItsLine) {
    struct Case {
        const char* body;
        int line;
        const char* fault;
    };
    const Case cases[] = {
        {"Dimension v[2000000]", 2, "el arreglo v tendría 2000000 elementos, y el límite es 1000000"},
        {"Dimension m[1000, 1001]", 2, "el arreglo m tendría 1001000 elementos, y el límite es 1000000"},
        {"x <- Sin_fin(1)", 5, "demasiadas llamadas, una dentro de otra: ¿Sin_fin se llama a sí mismo sin un caso que termine?"},
        {"Contar(1)", 8, "demasiadas llamadas, una dentro de otra: ¿Contar se llama a sí mismo sin un caso que termine?"},
        {"t <- \"ab\"\n\tMientras Verdadero Hacer\n\t\tt <- t + t\n\tFinMientras", 4,
         "el texto resultante tiene más de 1000000 caracteres"},
        {"i <- 0\n\tMientras i < 10 Hacer\n\t\ti <- i * 1\n\tFinMientras", 0,
         "el algoritmo ejecutó 5000000 instrucciones sin llegar a un Leer ni al final: el ciclo de la línea 3 no termina"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.body);
        const std::string text = std::string("Algoritmo Limites\n\t") + c.body +
                                 "\nFinAlgoritmo\nFuncion r <- Sin_fin(n)\n\tr <- Sin_fin(n + 1)\nFinFuncion\n"
                                 "SubProceso Contar(n)\n\tContar(n + 1)\nFinSubProceso\n";
        const Result r = runText(text);
        EXPECT_EQ(r.status, Machine::Status::Faulted);
        EXPECT_EQ(r.fault, c.fault);
        if (c.line) {  // a loop that runs away stops at any of its lines
            EXPECT_EQ(r.line, c.line);
        }
    }
}

// A counting loop as a student writes one, from a few random choices.
std::string countingLoop(std::mt19937& random) {
    const char* relations[] = {"<", "<=", ">", ">="};
    const bool whole = random() % 2;
    const int start = static_cast<int>(random() % 2001) - 1000;
    const int bound = static_cast<int>(random() % 2001) - 1000;
    const char* relation = relations[random() % 4];
    const bool up = relation[0] == '<';
    const int step = 1 + static_cast<int>(random() % 7);
    const char* fraction = whole ? "" : (random() % 2 ? ".5" : ".25");
    std::ostringstream text;
    text << "Algoritmo Contar\n\tDefinir c, n Como " << (whole ? "Entero" : "Real") << "\n\tDefinir suma Como Real\n"
         << "\tc <- " << start << "\n\tn <- 0\n\tsuma <- 1\n"
         << "\tMientras c " << relation << ' ' << bound << " Hacer\n"
         << "\t\tc <- c " << (up ? '+' : '-') << ' ' << step << fraction << "\n\t\tn <- n + 1\n\t\tsuma <- suma - 0.5\n\tFinMientras\n"
         << "\tEscribir c, \" \", n, \" \", suma\nFinAlgoritmo\n";
    return text.str();
}

TEST(CountingLoops, InOneGoTheyLeaveWhatThePlainRunLeaves) {
    std::mt19937 random(2005);
    for (int k = 0; k < 300; ++k) {
        const std::string text = countingLoop(random);
        SCOPED_TRACE(text);
        Transcript fast, plain;
        runText(text, {}, &fast, true);
        runText(text, {}, &plain, false);
        ASSERT_EQ(fast.text(), plain.text());
    }
}

TEST(CountingLoops, EveryCorpusProgramRunsAlikeEitherWay) {
    for (const CorpusProgram& p : corpus()) {
        if (p.group != "programs") continue;
        SCOPED_TRACE(p.name);
        std::vector<std::string> input;
        std::istringstream in{std::string(p.input)};
        for (std::string line; std::getline(in, line);) input.push_back(line);
        Transcript fast, plain;
        runText(std::string(p.source), {}, &fast, true, input);
        runText(std::string(p.source), {}, &plain, false, input);
        EXPECT_EQ(fast.text(), plain.text());
    }
}

}  // namespace
}  // namespace ej::algorithm
