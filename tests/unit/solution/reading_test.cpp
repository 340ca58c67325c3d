// How a student's written lines are read: numbers whatever the words, prompts alike
// whatever their numbers, results found in any order and with any captions.
#include <gtest/gtest.h>

#include "engine/solution/reading.h"

namespace ej::solution {
namespace {

std::vector<double> values(std::string_view line) {
    std::vector<double> out;
    for (const auto& n : numbersIn(line)) out.push_back(n.value);
    return out;
}

TEST(StudentLines, NumbersAreFoundWhateverTheWords) {
    struct Case {
        std::string_view line;
        std::vector<double> numbers;
    } cases[] = {
        {"Promedio: 1.466667.", {1.466667}},
        {"Suma -12 y mayor -0", {-12, 0}},
        {"Vector: 3 -5 7.5", {3, -5, 7.5}},
        {"3, 5, 7", {3, 5, 7}},
        {"3,5,7.5,", {3, 5, 7.5}},
        {"Orden 1.677722E+07", {16777220}},
        {"Billetes de $100: 4", {100, 4}},
        {"El valor x-1 no, ej5 tampoco", {}},
        {"No ingresó N° pares", {}},
        {"«5» es el mayor, ingresó3", {5}},
    };
    for (const auto& c : cases) EXPECT_EQ(values(c.line), c.numbers) << c.line;
}

TEST(StudentLines, APromptReadsAlikeWhateverItsNumbers) {
    EXPECT_EQ(masked("  Ingrese el número 3 "), masked("Ingrese el número 1"));
    EXPECT_EQ(masked("Valor 2 de 13:"), "Valor # de #:");
    EXPECT_NE(masked("Ingrese"), masked("El valor -4 no es lo pedido"));
}

TEST(StudentLines, ANumberIsTheWindowsAtThePrecisionItShows) {
    struct Case {
        std::string_view student, window;
        bool same;
    } cases[] = {
        {"1.466667", "1,466667", true}, {"1.4666667", "1,466667", true}, {"1.466666", "1,466667", true},
        {"1.47", "1,466667", false},    {"5", "5", true},                {"5.4", "5", false},
        {"16777216", "1,677722E+07", true}, {"16777300", "1,677722E+07", false}, {"-0", "0", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(sameNumber(numbersIn(c.student).at(0), numbersIn(c.window, ',').at(0)), c.same)
            << c.student << " against " << c.window;
}

TEST(StudentLines, ResultsAreFoundInAnyOrderWithAnyCaptions) {
    const std::vector<ShownResult> shown{{"Suma", "12"}, {"Promedio", "4,5"}, {"Vector", " 3 5 4"},
                                         {"Promedio de pares", "No ingresó N° pares"}};
    struct Case {
        std::vector<std::string> written;
        std::optional<std::size_t> missing;
    } cases[] = {
        {{"Vector: 3 5 4", "Promedio 4.5 de una suma de 12", "No hubo pares"}, std::nullopt},
        {{"3", "5", "4", "La suma es 12", "y el promedio 4.5", "Sin pares"}, std::nullopt},
        // the vector's 4 is not also the average
        {{"Vector: 3 5 4", "Suma: 12", "No hubo pares"}, 1},
        {{"Vector: 3 4 5", "Suma 12, promedio 4.5", "No hubo pares"}, 2},
        {{"Vector: 3 5 4", "Suma 12, promedio 4.5", "Pares: 0"}, 3},
        // a vector written with commas between its numbers, or after each subscript
        {{"Vector: 3,5,4", "Suma 12, promedio 4.5", "No hubo pares"}, std::nullopt},
        {{"v[1] = 3", "v[2] = 5", "v[3] = 4", "Suma 12, promedio 4.5", "No hubo pares"}, std::nullopt},
        // a caption's number is not taken for a result
        {{"Los 3 valores: 3 5 4", "Suma 12", "Promedio 4.5", "No hubo pares"}, std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(missingResult(shown, c.written, ','), c.missing) << c.written.front();
    // The result whose number was written nowhere is named, not one a caption's number took.
    EXPECT_EQ(missingResult({{"A", "4"}, {"B", "4"}, {"C", "9"}}, {"Los 4 valores: 4"}, ','), 2u);
}

}  // namespace
}  // namespace ej::solution
