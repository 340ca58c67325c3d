// Exercises 19 to 35: which values join which class, what each class shows, what is
// refused, and in what order the completion writes.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "tests/unit/harness.h"

namespace ej::testing {
namespace {

std::vector<std::string> cat(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

// The result boxes' texts, txtejNN02 onward.
std::vector<std::string> results(const Opened& w, const std::string& window, std::size_t boxes) {
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < boxes; ++i)
        texts.push_back(w.text("txtej" + window.substr(5) + "0" + std::to_string(i + 2)));
    return texts;
}

struct Completed {
    const char* window;
    std::vector<std::string> entries;  // the whole series
    std::vector<std::string> shown;    // txtejNN02 onward
};

const std::string kPares = "No ingresó N° pares";
const std::string kImpares = "No ingresó N° impares";
const std::string kPar = "No ingresó N° par";
const std::string kImpar = "No ingresó N° impar";
const std::string kPositivo = "No ingresó N° positivo";
const std::string kNegativo = "No ingresó N° negativo";

TEST(ParityWindows, EachClassTakesOnlyItsOwnValues) {
    const Completed rows[] = {
        {"frmej19", cat({{"0", "3", "4", "7"}, times(11, "1")}), {"2", "4"}},
        {"frmej19", times(15, "1"), {kPares, kPares}},
        {"frmej20", cat({{"0", "3", "4", "7"}, times(10, "2")}), {"2", "10"}},
        {"frmej20", times(14, "0"), {"No ingresó Nº impares", "No ingresó Nº impares"}},
        {"frmej21", cat({{"0", "3", "4", "7", "9"}, times(7, "10")}), {"9", "74", "3", "19"}},
        {"frmej21", times(12, "1"), {kPares, kPares, "12", "12"}},
        {"frmej21", times(12, "0"), {"12", "0", kImpares, kImpares}},
        {"frmej22", cat({{"2", "4", "6", "8"}, times(10, "1")}), {"4", "20", "5"}},
        {"frmej22", times(14, "3"), {kPares, kPares, kPares}},
        {"frmej23", cat({{"1", "2", "4"}, times(14, "3")}), {"15", "43", "2,866667"}},
        {"frmej23", times(17, "8"), {kImpar, kImpar, kImpar}},
        {"frmej24", cat({{"2", "4", "5"}, times(10, "7")}), {"2", "6", "3", "11", "75", "6,818182"}},
        {"frmej24", times(13, "1"), {kPares, kPares, kPares, "13", "13", "1"}},
        {"frmej24", times(13, "2"), {"13", "26", "2", kImpares, kImpares, kImpares}},
        // Largest even, first occurrence: 8 entered 5th and 9th.
        {"frmej25", cat({{"1", "4", "3", "5", "8", "7", "9", "11", "8"}, times(10, "1")}), {"8", "5"}},
        {"frmej25", cat({times(6, "1"), {"0"}, times(12, "3")}), {"0", "7"}},
        {"frmej25", times(19, "5"), {kPares, kPares}},
        {"frmej26", {"9", "2", "4", "3", "6", "5", "8", "10", "12", "3", "14", "16", "18"}, {"3", "4"}},
        {"frmej26", times(13, "2"), {kImpares, kImpares}},
        {"frmej27", cat({{"4", "9", "6", "4", "11", "3", "11", "8"}, times(6, "10")}), {"4", "1", "11", "5"}},
        {"frmej27", cat({{"5", "5", "7"}, times(11, "5")}), {kPar, kPar, "7", "3"}},
        {"frmej27", times(14, "6"), {"6", "1", kImpar, kImpar}},
        // Whole numbers of either sign: parity of the magnitude, each window's own bound for 0.
        {"frmej28", cat({{"0", "-4", "3", "6"}, times(9, "-1")}), {"3", "2", "2", "9"}},
        {"frmej29", cat({{"0", "-3", "4", "5"}, times(12, "-2")}), {"2", "2", "3", "9"}},
        {"frmej30", cat({{"0", "-3", "-4", "5"}, times(9, "1")}), {"2", "-4", "3", "-7"}},
        {"frmej31", cat({{"0", "-3", "4", "5"}, times(12, "2")}), {"2", "2", "2", "-3"}},
        {"frmej32", cat({{"0", "-3", "4", "5"}, times(13, "-1")}), {"2", "4", "2", "3", "9", "3"}},
        {"frmej33", cat({{"0", "-3", "4", "5"}, times(8, "-2")}), {"2", "2", "1", "3", "9", "3"}},
        {"frmej34", cat({{"-2", "-4"}, times(14, "1")}), {"2", "-6", "-3", "2", "-6", "-3"}},
        {"frmej34", cat({{"0", "-3", "4"}, times(13, "1")}), {"2", "4", "2", "2", "-3", "-1,5"}},
        {"frmej35", cat({{"-1"}, times(12, "2")}), {"1", "-1", "-1", "1", "-1", "-1"}},
        {"frmej35", cat({{"0", "-3", "4", "5"}, times(9, "2")}), {"2", "2", "1", "2", "-3", "-1,5"}},
    };
    for (const Completed& row : rows) {
        Opened w(row.window);
        w.enterAll(row.entries);
        EXPECT_TRUE(w.complete()) << row.window;
        EXPECT_EQ(results(w, row.window, row.shown.size()), row.shown) << row.window;
    }
}

TEST(ParityWindows, ZeroJoinsTheClassesItsWindowSays) {
    struct Row {
        const char* window;
        int count;
        const char* neither;  // a value that joins neither class
        std::vector<std::string> afterZero;
        std::string parityEmpty, signEmpty;
    };
    const Row rows[] = {
        {"frmej28", 13, "-1", {"1", "0", kPositivo, kPositivo}, kPar, kPositivo},
        {"frmej29", 16, "-2", {kImpar, kImpar, "1", "0"}, kImpar, kPositivo},
        {"frmej30", 13, "1", {"1", "0", "1", "0"}, kPar, kNegativo},
        {"frmej31", 16, "2", {kImpar, kImpar, "1", "0"}, kImpar, kNegativo},
        {"frmej32", 17, "-1", {"1", "0", "0", "1", "0", "0"}, kPar, kPositivo},
        {"frmej33", 12, "-2", {kImpar, kImpar, kImpar, "1", "0", "0"}, kImpar, kPositivo},
        {"frmej34", 16, "1", {"1", "0", "0", "1", "0", "0"}, kPar, kNegativo},
        {"frmej35", 13, "2", {kImpar, kImpar, kImpar, "1", "0", "0"}, kImpar, kNegativo},
    };
    for (const Row& row : rows) {
        const std::size_t boxes = row.afterZero.size();
        Opened zero(row.window);
        zero.enter("0").enterAll(times(row.count - 1, row.neither));
        EXPECT_EQ(results(zero, row.window, boxes), row.afterZero) << row.window;

        Opened none(row.window);
        none.enterAll(times(row.count, row.neither));
        EXPECT_EQ(results(none, row.window, boxes),
                  cat({times(boxes / 2, row.parityEmpty), times(boxes / 2, row.signEmpty)}))
            << row.window;
    }
}

struct Sized {
    const char* window;
    int count;
};
const Sized kSizes[] = {
    {"frmej19", 15}, {"frmej20", 14}, {"frmej21", 12}, {"frmej22", 14}, {"frmej23", 17}, {"frmej24", 13},
    {"frmej25", 19}, {"frmej26", 13}, {"frmej27", 14}, {"frmej28", 13}, {"frmej29", 16}, {"frmej30", 13},
    {"frmej31", 16}, {"frmej32", 17}, {"frmej33", 12}, {"frmej34", 16}, {"frmej35", 13},
};

std::string box(const std::string& kind, const std::string& window, const char* nn) {
    return kind + "ej" + window.substr(5) + nn;
}

TEST(ParityWindows, RefusalsTakeNoPlaceInTheSeries) {
    for (const auto& [window, count] : kSizes) {
        const bool wholeOfEitherSign = std::string(window) >= "frmej28";
        Opened w(window);
        w.enter("2.5");
        EXPECT_EQ(w.message(), "El valor 2.5 no es lo pedido") << window;
        EXPECT_EQ(w.text(box("txt", window, "01")), "") << window;
        w.enter("-4");
        EXPECT_EQ(w.message(), wholeOfEitherSign ? "" : "El valor -4 no es lo pedido") << window;
        w.enterAll({"-0.5", "abc", "1e39"});
        w.enterAll(times(count - (wholeOfEitherSign ? 2 : 1), "3"));
        EXPECT_FALSE(w.complete()) << window << ": a refused entry counted";
        w.enter("7");
        EXPECT_TRUE(w.complete()) << window;
        EXPECT_EQ(w.text(box("txt", window, "01")), "7") << window << ": the last value stays";
        EXPECT_FALSE(w.view().enabled(box("cmd", window, "01"))) << window;
        EXPECT_EQ(w.view().defaultButton, box("cmd", window, "02")) << window;
        EXPECT_EQ(w.message(), "") << window;
    }
}

TEST(ParityWindows, ARefusedValueDoesNotShiftTheOrderOfEntry) {
    Opened largest("frmej25");
    largest.enterAll({"2", "-6", "x", "10", "3.5"}).enterAll(times(17, "1"));
    EXPECT_EQ(results(largest, "frmej25", 2), (std::vector<std::string>{"10", "2"}));

    Opened both("frmej27");
    both.enterAll({"9", "-1", "6", "0.5", "13", "4"}).enterAll(times(10, "1"));
    EXPECT_EQ(results(both, "frmej27", 4), (std::vector<std::string>{"4", "4", "13", "3"}));
}

TEST(ParityWindows, TheValueReadIsJudgedNotTheText) {
    Opened comma("frmej21", {",", "."});
    comma.enterAll({"2,5", "2.5"});
    EXPECT_EQ(comma.message(), "El valor 2.5 no es lo pedido");
    comma.enterAll(times(11, "1"));
    EXPECT_EQ(results(comma, "frmej21", 4), (std::vector<std::string>{"1", "2", "11", "11"}));

    Opened signs("frmej28", {",", "."});
    signs.enterAll({"-2,5", "-2.5"});
    EXPECT_EQ(signs.message(), "El valor -2.5 no es lo pedido");
    signs.enterAll(times(12, "1"));
    EXPECT_EQ(results(signs, "frmej28", 4), (std::vector<std::string>{"1", "-2", "12", "12"}));
}

TEST(ParityWindows, LargeValuesAreClassedWithoutHanging) {
    // 16777215 is the largest odd single; from 2^24 up every single is even.
    Opened w("frmej21");
    w.enterAll({"16777215", "33554438", "3e38", "-1e30"});
    EXPECT_EQ(w.message(), "El valor -1e30 no es lo pedido");
    w.enterAll(times(9, "0"));
    EXPECT_EQ(results(w, "frmej21", 4), (std::vector<std::string>{"11", "3E+38", "1", "1,677722E+07"}));

    Opened signs("frmej35");
    signs.enterAll({"-16777215", "-33554438"}).enterAll(times(11, "2"));
    EXPECT_EQ(results(signs, "frmej35", 6),
              (std::vector<std::string>{"1", "-1,677722E+07", "-1,677722E+07",  // odd
                                        "2", "-5,033166E+07", "-2,516583E+07"}));  // negative
}

TEST(ParityWindows, AnOverflowingSumIsRefusedButAnExtremeKeepsNoSum) {
    Opened sum("frmej19");
    sum.enterAll({"3e38", "3e38"});
    EXPECT_EQ(sum.message(), "El valor 3e38 no es lo pedido");
    sum.enterAll(times(14, "1"));
    EXPECT_EQ(results(sum, "frmej19", 2), (std::vector<std::string>{"1", "3E+38"}));

    Opened average("frmej34");
    average.enterAll({"-3e38", "-3e38"});
    EXPECT_EQ(average.message(), "El valor -3e38 no es lo pedido");

    Opened extreme("frmej25");
    extreme.enterAll(times(18, "3e38"));
    EXPECT_EQ(extreme.message(), "");
    extreme.enter("3.4e38");
    EXPECT_EQ(results(extreme, "frmej25", 2), (std::vector<std::string>{"3,4E+38", "19"}));
}

TEST(ParityWindows, ActivationStartsTheSeriesAfresh) {
    Opened w("frmej27");
    w.enterAll({"0", "99", "2", "3"}).reactivate();
    w.enterAll(cat({{"8", "5"}, times(12, "1")}));
    EXPECT_EQ(results(w, "frmej27", 4), (std::vector<std::string>{"8", "1", "5", "2"}));

    Opened tally("frmej33");
    tally.enterAll(times(11, "1")).reactivate().enterAll(times(11, "-2"));
    EXPECT_FALSE(tally.complete());
    tally.enter("-2");
    EXPECT_EQ(results(tally, "frmej33", 6), cat({times(3, kImpar), times(3, kPositivo)}));
}

// Records the order in which controls are written.
class WriteLog final : public View {
public:
    std::string text(std::string_view control) const override {
        auto it = texts_.find(control);
        return it == texts_.end() ? std::string() : it->second;
    }
    void setText(std::string_view control, std::string_view text) override {
        texts_[std::string(control)] = text;
        written.emplace_back(control);
    }
    void setEnabled(std::string_view, bool) override {}
    void setDefault(std::string_view) override {}
    void focus(std::string_view) override {}
    void close() override {}

    std::vector<std::string> written;

private:
    std::map<std::string, std::string, std::less<>> texts_;
};

TEST(ParityWindows, CompletionWritesTheParityClassThenTheOtherBoxByBox) {
    for (const auto& [window, count] : kSizes) {
        auto w = catalog().at(window)({",", "."});
        WriteLog log;
        w->attach(&log);
        w->activated();
        const std::string input = box("txt", window, "01");
        for (int i = 0; i < count; ++i) {
            log.written.clear();
            log.setText(input, std::to_string(i % 3 - (std::string(window) >= "frmej28" ? 1 : 0)));
            w->clicked(box("cmd", window, "01"));
        }
        std::vector<std::string> results, expected;
        for (const auto& name : log.written)
            if (name.rfind("txt", 0) == 0 && name != input) results.push_back(name);
        for (const auto& c : w->design().controls)
            if (c.readOnly) expected.push_back(c.name);
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(results, expected) << window;
    }
}

TEST(ParityWindows, TheDeskCheckShowsValueCounterWorkingCopyThenTheClasses) {
    const TraceCase cases[] = {
        // A refused value is read, but never reaches the reduction.
        {"frmej19", {"3", "-4"}, {"valor=-4", "contador=1", "copia de trabajo=1", "cantidad pares=0", "suma pares=0"}},
        {"frmej24",
         {"4", "7", "2"},
         {"valor=2", "contador=3", "copia de trabajo=0", "cantidad pares=2", "suma pares=6", "promedio pares=3",
          "cantidad impares=1", "suma impares=7", "promedio impares=7"}},
        // The counts come first, then each extreme with its order of entry.
        {"frmej27",
         {"4", "9", "2"},
         {"valor=2", "contador=3", "copia de trabajo=0", "cantidad pares=2", "cantidad impares=1", "menor par=2",
          "orden del menor par=3", "mayor impar=9", "orden del mayor impar=2"}},
        {"frmej31", {"-3", "0"}, {"valor=0", "contador=2", "copia de trabajo=0", "cantidad impares=1",
                                  "suma impares=-3", "cantidad negativos=2", "suma negativos=-3"}},
    };
    for (const TraceCase& c : cases) EXPECT_EQ(traceCellsAfter(c), c.cells) << c.window;
    Opened reset("frmej20");
    reset.enter("3").reactivate();
    EXPECT_EQ(traceCells(reset), std::vector<std::string>({"valor=0", "contador=0", "copia de trabajo=0",
                                                           "cantidad impares=0", "suma impares=0"}));
}

}  // namespace
}  // namespace ej::testing
