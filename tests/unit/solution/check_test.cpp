// The check of a student's algorithm against its exercise window: every window's own
// algorithm agrees with it; the students' files of tests/solutions get the verdict
// their first lines announce ("// Se espera: coincide", "// Se espera: difiere en el
// ingreso 4", "// Se espera: error en la línea 3", and "// Dice: …", words the verdict
// must contain); what a student writes never hangs it. EJ_CHECK_SERIES sets the random
// series of each check (100 by default), EJ_CHECK_EVERY=N checks every Nth window's own
// algorithm only (1 by default): the sanitizers' run, ten times slower, takes fewer.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "engine/algorithm/console.h"
#include "engine/algorithm/sources.h"
#include "engine/solution/check.h"
#include "engine/solution/class_check.h"
#include "engine/trial_series.h"
#include "shell/catalog.h"
#include "shell/exercise_check.h"
#include "tests/unit/solution/solutions.h"

namespace ej::solution {
namespace {

CheckOptions options(const std::string& window = "frmej05") {
    CheckOptions o = checkOptions(window);
    if (const char* series = std::getenv("EJ_CHECK_SERIES")) o.randomSeries = std::atoi(series);
    return o;
}

WindowMaker maker(const std::string& window) { return windowMaker(window); }

TEST(SolutionCheck, EveryWindowsOwnAlgorithmAgreesWithIt) {
    const char* every = std::getenv("EJ_CHECK_EVERY");
    const int stride = every ? std::max(1, std::atoi(every)) : 1;
    int n = 0;
    for (const auto& [name, make] : catalog()) {
        if (!exerciseWindow(name, {}) || n++ % stride != 0) continue;
        const Verdict v = check(maker(name), algorithm::source(name), options(name));
        EXPECT_TRUE(v.agrees()) << name << ": " << v.text();
        EXPECT_EQ(v.seriesPlayed, static_cast<int>(teacherSeries().size()) + options(name).randomSeries) << name;
    }
}

// What a file's first comment lines announce.
struct Expected {
    std::string verdict;  // "coincide", "difiere en el ingreso N" or "error en la línea N"
    std::vector<std::string> says;
};

Expected expectedOf(std::string_view source) {
    Expected e;
    std::istringstream lines{std::string(source)};
    for (std::string line; std::getline(lines, line) && line.rfind("//", 0) == 0;) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.rfind("// Se espera: ", 0) == 0) e.verdict = line.substr(14);
        if (line.rfind("// Dice: ", 0) == 0) e.says.push_back(line.substr(9));
    }
    return e;
}

std::string verdictOf(const Verdict& v) {
    if (!v.errors.empty()) return "error en la línea " + std::to_string(v.errors.front().span.begin.line);
    if (v.difference) return "difiere en el ingreso " + std::to_string(v.difference->typed.size());
    return "coincide";
}

TEST(StudentSolutions, EachGetsTheVerdictItAnnounces) {
    ASSERT_FALSE(studentFiles().empty());
    for (const StudentFile& file : studentFiles()) {
        const std::string name(file.name);
        const Expected expected = expectedOf(file.source);
        ASSERT_FALSE(expected.verdict.empty()) << name << " announces no verdict";
        const std::string window = "frmej" + name.substr(0, name.find('_'));
        const Verdict v = check(maker(window), file.source, options(window));
        EXPECT_EQ(verdictOf(v), expected.verdict) << name << ": " << v.text();
        for (const auto& words : expected.says)
            EXPECT_NE(v.text().find(words), std::string::npos) << name << ": " << v.text();
    }
}

// A student's faults: each is told with its line, and none hangs the check.
TEST(SolutionCheck, AFaultOrAnEndlessLoopIsToldWithItsLine) {
    struct Case {
        const char* source;
        int line;
        const char* says;
    } cases[] = {
        {"Algoritmo a\n\tDefinir x, n Como Real\n\tLeer x\n\tMientras x > -1 Hacer\n\t\tn <- n + 1\n"
         "\tFinMientras\nFinAlgoritmo\n",
         4, "el ciclo de la línea 4 no termina"},
        {"Algoritmo a\n\tDefinir x Como Real\n\tLeer x\n\tx <- 1 / (x - x)\nFinAlgoritmo\n", 4, "se detuvo en la línea 4: división por cero"},
        {"Algoritmo a\n\tDefinir v Como Real\n\tDimension v[3]\n\tLeer v[4]\nFinAlgoritmo\n", 4, "línea 4"},
    };
    CheckOptions briefly = options();
    briefly.budget = 5'000'000;  // the default's tenth: the same stop, sooner
    for (const auto& c : cases) {
        const Verdict v = check(maker("frmej05"), c.source, briefly);
        ASSERT_TRUE(v.difference) << c.source;
        EXPECT_EQ(v.difference->line, c.line) << v.text();
        EXPECT_NE(v.text().find(c.says), std::string::npos) << v.text();
    }
    const Verdict malformed = check(maker("frmej05"), "Algoritmo a\n\tLeer x\n\tSi x Entonces\nFinAlgoritmo\n");
    ASSERT_FALSE(malformed.errors.empty());
    EXPECT_EQ(malformed.text().rfind("línea 3, columna ", 0), 0u) << malformed.text();
}

// The same text in Latin-1, as PSeInt on Windows saves it (every character of these
// files is below U+0100).
std::string latin1(std::string_view utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        if (b < 0x80) {
            out += utf8[i];
        } else {
            out += static_cast<char>(((b & 0x03) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3F));
            ++i;
        }
    }
    return out;
}

// A Latin-1 file reads right: its accents, and so its verdict.
TEST(SolutionCheck, ALatin1FileReadsRight) {
    const std::string_view source = algorithm::source("frmej24");
    const std::string saved = latin1(source);
    ASSERT_NE(saved.find("No ingres\xf3 N\xb0 pares"), std::string::npos);
    EXPECT_EQ(algorithm::asUtf8(saved), source);
    EXPECT_TRUE(check(maker("frmej24"), algorithm::asUtf8(saved), options("frmej24")).agrees());
}

// A class's files at the console: a line each, and a status for the whole class.
TEST(SolutionCheck, AClassIsCheckedFileByFile) {
    const auto folder = std::filesystem::temp_directory_path() / "ej_class_check";
    std::filesystem::create_directories(folder);
    const auto write = [&](const std::string& name, std::string_view text) {
        std::ofstream(folder / name, std::ios::binary) << text;
        return (folder / name).string();
    };
    const std::string good = write("ana.psc", algorithm::source("frmej05"));
    const std::string echo = write("beto.psc", "Algoritmo a\n\tLeer x\nFinAlgoritmo\n");
    const std::string broken = write("carla.psc", "Algoritmo a\n\tLeer x\n\tSi x Entonces\nFinAlgoritmo\n");
    struct Case {
        std::vector<std::string> files;
        int status;
        std::string printed;
    } cases[] = {
        {{good}, 0, good + ": coincide\n"},
        {{good, echo}, 1, "beto.psc: difiere: En el ingreso 1 (1) la ventana lo aceptó"},
        {{broken}, 1, "carla.psc:3:"},
        {{good, (folder / "nadie.psc").string()}, 66, "2 archivos: 1 coincide, 0 difieren, 0 con errores\n"},
    };
    CheckOptions few;
    few.randomSeries = 2;
    for (const auto& c : cases) {
        std::ostringstream out, err;
        EXPECT_EQ(checkFiles(maker("frmej05"), c.files, few, out, err), c.status) << out.str();
        EXPECT_NE(out.str().find(c.printed), std::string::npos) << out.str();
    }
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace ej::solution
