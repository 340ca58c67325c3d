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
