// The desk-check table follows its trace row by row, and its window never takes the
// activation from its exercise window, even when "Copiar" is clicked.
#include <QApplication>
#include <QClipboard>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "engine/exercise_window.h"
#include "shell/program.h"
#include "ui/form_widget.h"
#include "ui/qt_desktop.h"
#include "ui/trace_model.h"

TEST(TraceTable, GrowsRowByRowAndNotesTheRowsTheCapDropped) {
    ej::Trace trace(3);
    ui::TraceModel table(trace);
    trace.setObserver([&] { table.follow(); });
    for (const char* sum : {"1", "1", "2", "2", "2"}) trace.record(sum, "", ej::Variables({",", "."})("suma", sum));
    auto cell = [&](int row, int column, int role) { return table.data(table.index(row, column), role); };
    EXPECT_EQ(cell(0, 2, Qt::DisplayRole).toString(), "(2 filas anteriores descartadas)");
    EXPECT_EQ(cell(1, 0, Qt::DisplayRole).toString(), "3");
    // Row 3's sum changed, row 4's did not.
    EXPECT_TRUE(cell(1, 3, Qt::FontRole).value<QFont>().bold() && !cell(2, 3, Qt::FontRole).value<QFont>().bold());
}

TEST(TraceWindow, OpensBesideItsWindowWhichStaysActiveThroughACopy) {
    ui::QtDesktop desktop(nullptr);
    ej::Program program(desktop, {",", "."});
    auto* exercise = static_cast<ej::ExerciseWindow*>(program.window("frmej52"));
    desktop.show(*exercise);
    QApplication::processEvents();
    EXPECT_EQ(desktop.widgetOf(*exercise)->control("lblej5201")->toolTip(), "F2: prueba de escritorio");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
    ui::TraceWindow* trace = desktop.widgetOf(*exercise)->traceWindow();
    EXPECT_EQ(trace->windowTitle(), "Prueba de escritorio - Ejercicio 52");  // its window's caption: "Eejercicio 52"
    auto* copy = trace->findChild<QPushButton*>();
    QTest::mouseClick(trace->windowHandle(), Qt::LeftButton, {}, copy->mapTo(trace, copy->rect().center()));
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), exercise->trace().tabSeparated());
    EXPECT_EQ(QApplication::activeWindow(), desktop.widgetOf(*exercise));
}
