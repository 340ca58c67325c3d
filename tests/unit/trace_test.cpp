// The desk check's table on its own: the row cap and the text "Copiar" puts on the
// clipboard.
#include <gtest/gtest.h>

#include "engine/trace.h"

namespace ej {
namespace {

const NumberFormat kFormat{",", "."};

// One row's variables: a counter as text and a single.
std::vector<std::string> row(int count, float value) {
    Variables v(kFormat);
    v("contador", std::to_string(count))("valor", Single(value));
    return v.texts();
}

TEST(Trace, KeepsTheNewestRowsAndCountsTheOthers) {
    Trace t(3);
    EXPECT_EQ(t.droppedNote(), "");
    for (int i = 1; i <= 5; ++i) t.record(std::to_string(i), "aceptado", row(i, 0.0f));
    ASSERT_EQ(t.rows().size(), 3u);
    EXPECT_EQ(t.dropped(), 2u);
    EXPECT_EQ(t.droppedNote(), "(2 filas anteriores descartadas)");
    EXPECT_EQ(t.rows().front().number, 3);
    EXPECT_EQ(t.rows().front().entered, "3");
    EXPECT_EQ(t.rows().back().number, 5);
}

// The desk check keeps its newest 10,000 rows, enough for any series a student types.
TEST(Trace, KeepsTenThousandRowsByDefault) {
    Trace t;
    for (int i = 1; i <= 10001; ++i) t.record("1", "aceptado", row(i, 0.0f));
    EXPECT_EQ(t.rows().size(), 10000u);
    EXPECT_EQ(t.dropped(), 1u);
}

// A sort's pass changes a pair: only its two elements are marked.
TEST(Trace, MarksTheElementsOfAVectorThatChanged) {
    using Marks = std::vector<bool>;
    EXPECT_EQ(changedElements(" 3 1 2", " 1 3 2"), (Marks{true, true, false}));
    EXPECT_EQ(changedElements(" 1 2 3", " 1 2 3"), (Marks{false, false, false}));
    EXPECT_EQ(changedElements(" 1 2", " 1 2 -4,5"), (Marks{true, true, true}));
    EXPECT_EQ(changedElements(" 1 2 …", " 1 7 …"), (Marks{false, true, false}));
}

TEST(Trace, CopiesAsTabSeparatedLines) {
    Trace t(1);
    t.useNames({"contador", "valor"});
    t.record("", "reinicio", row(0, 0.0f));
    t.record("1\t2", "aceptado", row(1, -0.5f));
    EXPECT_EQ(t.tabSeparated(),
              "N°\tIngresado\tResultado\tcontador\tvalor\n"
              "\t\t(1 fila anterior descartada)\n"
              "2\t1 2\taceptado\t1\t-0,5\n");
}

}  // namespace
}  // namespace ej
