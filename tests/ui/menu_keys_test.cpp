// The arrow keys in the menu walk its grid of buttons as it is drawn, at any zoom: ↑ and
// ↓ by rows, ← and → along a row, staying put at an edge, down to "Salir" from the last
// row's buttons above it.
#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

#include "tests/ui/windows_on_screen.h"

TEST(MenuKeys, ArrowsWalkTheGridOfButtonsByRowsAndColumns) {
    const struct {
        const char* from;
        std::vector<Qt::Key> keys;
        const char* to;
    } rows[] = {
        {"cmdej13", {Qt::Key_Down}, "cmdej19"},
        {"cmdej13", {Qt::Key_Down, Qt::Key_Down}, "cmdej26"},
        {"cmdej13", {Qt::Key_Up}, "cmdej06"},
        {"cmdej13", {Qt::Key_Right}, "cmdej14"},
        {"cmdej13", {Qt::Key_Left}, "cmdej12"},
        {"cmdej18", {Qt::Key_Right, Qt::Key_Down}, "cmdej25"},  // past "Ejercicio 1801"
        {"cmdej01", {Qt::Key_Up, Qt::Key_Left}, "cmdej01"},
        {"cmdej07", {Qt::Key_Right}, "cmdej07"},
        {"cmdej01", std::vector<Qt::Key>(9, Qt::Key_Down), "cmdej63"},
        {"cmdej63", {Qt::Key_Down}, "cmdej63"},
        {"cmdej69", {Qt::Key_Down}, "cmdsalir"},
        {"cmdsalir", {Qt::Key_Up}, "cmdej69"},
        {"cmdsalir", {Qt::Key_Left}, "cmdsalir"},
    };
    test::Running p;
    ui::FormWidget* menu = p.desktop.widgetOf(p.program.menu());
    for (const int percent : {100, 150}) {
        p.desktop.zoom().setPercent(percent);
        for (const auto& row : rows) {
            SCOPED_TRACE(testing::Message() << row.from << " to " << row.to << " at " << percent << " %");
            menu->control(row.from)->setFocus();
            for (const Qt::Key key : row.keys) QTest::keyClick(QApplication::focusWidget(), key);
            EXPECT_EQ(QApplication::focusWidget(), menu->control(row.to))
                << QApplication::focusWidget()->objectName().toStdString();
        }
    }
}
