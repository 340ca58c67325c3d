// The skeleton every exercise window shares, tested once: the entry cycle, the
// refusals, the completion, the reset on activation and the fault fix; and what must
// hold in every one of the seventy windows.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "tests/unit/harness.h"

namespace ej::testing {
namespace {

std::vector<std::string> oneToTen() { return {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}; }

TEST(EntryCycle, ARefusalIsShownEmptiesAndFocusesTheBoxAndTakesNoPlace) {
    Opened w("frmej01");
    w.enter("");
    EXPECT_EQ(w.message(), "El valor  no es numérico");
    w.view().focused.clear();
    w.enter("12abc");
    EXPECT_EQ(w.message(), "El valor 12abc no es numérico");
    EXPECT_EQ(w.text("txtej0101"), "");
    EXPECT_EQ(w.view().focused, "txtej0101");
    w.enter("1");
    EXPECT_EQ(w.message(), "") << "a valid entry clears the message line";
    EXPECT_EQ(w.text("txtej0101"), "");
    w.enterAll(times(8, "1"));
    EXPECT_FALSE(w.complete()) << "a refusal counted";
    w.enter("1");
    EXPECT_TRUE(w.complete());
    EXPECT_EQ(w.text("txtej0102"), "10");
}

TEST(EntryCycle, CompletionLocksTheInput) {
    Opened w("frmej01");
    w.enterAll(oneToTen());
    EXPECT_EQ(w.text("txtej0102"), "55");
    EXPECT_EQ(w.text("txtej0101"), "10") << "the last value stays in the input box";
    EXPECT_FALSE(w.view().enabled("cmdej0101"));
    EXPECT_TRUE(w.view().enabled("txtej0102"));
}

TEST(EntryCycle, ActivationStartsTheSeriesAfresh) {
    Opened w("frmej01");
    w.enterAll({"100", "100", "100"}).reactivate();
    w.enterAll(oneToTen());
    EXPECT_EQ(w.text("txtej0102"), "55");

    Opened tally("frmej33");
    tally.enterAll(times(11, "1")).reactivate().enterAll(times(11, "-2"));
    EXPECT_FALSE(tally.complete());
}

// A reset the student did not ask for says in the desk check what it dropped.
TEST(EntryCycle, AResetSaysHowManyValuesItDropped) {
    Opened w("frmej01");
    w.enterAll({"5", "x", "8", "2"}).reactivate();
    EXPECT_EQ(w.window().dropped(), 3);
    EXPECT_EQ(w.window().trace().rows().back().result, "reinicio: se descartaron 3 valores");
    w.reactivate();
    EXPECT_EQ(w.window().dropped(), 0);
    EXPECT_EQ(w.window().trace().rows().back().result, "reinicio");
}

// Where the series stands: a fixed count, a series between bounds, a count typed first.
TEST(EntryCycle, TheProgressSaysHowFarTheSeriesHasGone) {
    struct Case {
        const char* window;
        std::vector<std::string> typed;
        const char* progress;
    } cases[] = {
        {"frmej01", {}, "la serie pide 10 valores"},
        {"frmej01", {"1", "x", "2"}, "valor 2 de 10"},
        {"frmej01", oneToTen(), "serie completa"},
        {"frmej45", times(3, "1"), "3 ingresados: faltan 5 para el mínimo, caben 9 más"},
        {"frmej45", times(7, "1"), "7 ingresados: falta 1 para el mínimo, caben 5 más"},
        {"frmej45", times(11, "1"), "11 ingresados: ya puede terminar con 0, cabe 1 más"},
        {"frmej45", times(12, "1"), "12 ingresados: completó el máximo: falta el 0"},
        {"frmej66", {}, "primero, la cantidad de sueldos"},
        {"frmej66", {"3", "100"}, "valor 1 de 3"},
        {"frmej18", {}, ""},
    };
    for (const auto& c : cases) {
        Opened w(c.window);
        for (const auto& text : c.typed) w.type(text);
        EXPECT_EQ(w.window().progress(), c.progress) << c.window << " after " << c.typed.size();
    }
}

// A press whose sum would leave the single range is refused, and whatever the press had
// already changed (a count, a class) is as it was before it.
TEST(EntryCycle, AnOverflowingPressIsRefusedAndChangesNothing) {
    struct Row {
        const char* window;
        int count;
        const char* fill;
        std::map<std::string, std::string> shown;
    };
    const Row rows[] = {
        {"frmej01", 10, "0", {{"txtej0102", "3E+38"}}},
        {"frmej03", 20, "0", {{"txtej0302", "20"}, {"txtej0303", "3E+38"}, {"txtej0304", "1,5E+37"}}},
        {"frmej24", 13, "1", {{"txtej2402", "1"}, {"txtej2403", "3E+38"}, {"txtej2405", "12"}}},
    };
    for (const Row& r : rows) {
        Opened w(r.window);
        w.enterAll({"3e38", "3e38"});
        EXPECT_EQ(w.message(), "El valor 3e38 no es lo pedido") << r.window;
        EXPECT_EQ(w.text(w.window().inputBox()), "") << r.window;
        w.enterAll(times(r.count - 2, r.fill));
        EXPECT_FALSE(w.complete()) << r.window << ": the refused press counted";
        w.enter(r.fill);
        for (const auto& [box, text] : r.shown) EXPECT_EQ(w.text(box), text) << r.window << " " << box;
    }
}

TEST(EntryCycle, AWindowThatKeepsNoSumTakesTheLargestSingles) {
    for (const char* window : {"frmej09", "frmej15", "frmej25", "frmej44"}) {
        Opened w(window);
        w.enterAll({"3e38", "3e38"});
        EXPECT_EQ(w.message(), "") << window;
    }
}

TEST(EntryCycle, AValueBeyondTheSingleRangeIsRefused) {
    Opened w("frmej01");
    w.enterAll({"1e39", "-1e39", "1e-50"});
    EXPECT_EQ(w.message(), "") << "a value that rounds to 0 is taken as 0";
    w.enterAll(times(9, "2"));
    EXPECT_EQ(w.text("txtej0102"), "18");
}

TEST(EntryCycle, TheValueReadDecidesWhatIsCounted) {
    Opened comma("frmej01", {",", "."});
    comma.enterAll({"2,5", "2.5", " 7 ", "1e3", "1.000"}).enterAll(times(5, "0"));
    EXPECT_EQ(comma.text("txtej0102"), "1013");
    Opened point("frmej01", {".", ","});
    point.enter("2,5");
    EXPECT_EQ(point.message(), "El valor 2,5 no es numérico");
    point.enterAll({"2.5", "1.000"}).enterAll(times(8, "0"));
    EXPECT_EQ(point.text("txtej0102"), "3.5");
}

// Whole values until the window completes; a bounded series then takes its end mark.
void completeWithSevens(Opened& w) {
    for (int i = 0; i < 40 && !w.complete(); ++i) w.enter("7");
    if (!w.complete()) w.enter("0");
}

// What each window makes of "x", "-4" and "2.5" as a first value: n refused as not a
// number, p refused as not asked for, . taken.
const std::pair<const char*, const char*> kAdmits[] = {
    {"n..", "01 02 03 04 05 06 07 08 09 10 11 12 13 14 15 16 17 51 59 60 61 62 67 68 69"},
    {"npp", "18 1801 19 20 21 22 23 24 25 26 27 41 43 44 45 54 55"},
    {"n.p", "28 29 30 31 32 33 34 35 36 37 38 39 46 47 48 49 50 52 53 56 57 63 64 65"},
    {"p.p", "40"},
    {"ppp", "42 58"},
};

std::string admits(const std::string& window) {
    for (const auto& [codes, windows] : kAdmits)
        if ((" " + std::string(windows) + " ").find(" " + window.substr(5) + " ") != std::string::npos) return codes;
    return "";
}

// The refusal as the window words it.
std::string refusal(const std::string& window, const std::string& typed, char code) {
    if (code == '.') return "";
    const std::string prefix = window == "frmej07" ? "el valor " : window == "frmej08" ? " El valor " : "El valor ";
    if (code == 'p') return prefix + typed + " no es lo pedido";
    return prefix + typed + (window == "frmej52" ? " no es númerico" : " no es numérico");
}

TEST(EveryExerciseWindow, OpensReadyRefusesAsItsRulesSayAndCompletesOnce) {
    const std::map<std::string, std::string> oddCaptions{{"frmej20", "Eejercicio 20"}, {"frmej52", "Eejercicio 52"}};
    for (const auto& [name, factory] : catalog()) {
        if (name == "frmej66") continue;  // two entry steps: tested on its own
        SCOPED_TRACE(name);
        const bool odd = oddCaptions.contains(name);
        EXPECT_EQ(Opened(name).window().design().caption, odd ? oddCaptions.at(name) : "Ejercicio " + name.substr(5));
        const std::string codes = admits(name);
        ASSERT_EQ(codes.size(), 3u) << "every window has a row";
        const char* firsts[] = {"x", "-4", "2.5"};
        for (int i = 0; i < 3; ++i) {
            Opened w(name);
            w.enter(firsts[i]);
            EXPECT_EQ(w.message(), refusal(name, firsts[i], codes[i]));
            EXPECT_EQ(w.text(w.window().inputBox()), "");
            EXPECT_EQ(w.view().focused, w.window().inputBox());
        }

        Opened w(name);
        const ExerciseWindow& x = w.window();
        EXPECT_EQ(w.view().defaultButton, x.entryButton());
        // The completing press writes each result box once; the parity windows write
        // one class, then the other, box by box.
        completeWithSevens(w);
        std::vector<std::string> written, boxes;
        for (const auto& c : x.design().controls)
            if (c.kind == ControlKind::TextBox && c.readOnly) boxes.push_back(c.name);
        std::sort(boxes.begin(), boxes.end());
        for (const auto& control : w.view().written)
            if (std::binary_search(boxes.begin(), boxes.end(), control)) written.push_back(control);
        EXPECT_TRUE(std::is_permutation(written.begin(), written.end(), boxes.begin(), boxes.end()));
        if (name >= "frmej19" && name <= "frmej35") {
            EXPECT_EQ(written, boxes);
        }
        EXPECT_EQ(w.view().defaultButton, x.exitButton());
        w.click(x.exitButton());
        EXPECT_TRUE(w.view().closed);
    }
}

}  // namespace
}  // namespace ej::testing
