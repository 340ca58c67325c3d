// The desk-check table follows its trace row by row, and its window never takes the
// activation from its exercise window, even when "Copiar" or "Copiar algoritmo" is
// clicked; its algorithm and its variables are named for a screen reader.
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>

#include "engine/algorithm/sources.h"
#include "engine/exercise_window.h"
#include "shell/program.h"
#include "tests/ui/keyboard.h"
#include "ui/algorithm_pane.h"
#include "ui/form_widget.h"
#include "ui/qt_desktop.h"
#include "ui/trace_model.h"

TEST(TraceTable, GrowsRowByRowAndNotesTheRowsTheCapDropped) {
    ej::Trace trace(3);
    ui::TraceModel table(trace);
    trace.setObserver([&] { table.follow(); });
    trace.useNames({"suma"});
    for (const char* sum : {"1", "1", "2", "2", "2"}) trace.record(sum, "", {sum});
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
    ASSERT_TRUE(test::press(Qt::Key_F2));
    ui::TraceWindow* trace = desktop.widgetOf(*exercise)->traceWindow();
    EXPECT_EQ(trace->windowTitle(), "Prueba de escritorio - Ejercicio 52");  // its window's caption: "Eejercicio 52"
    // The table as tab-separated text after a line that says which exercise it is of; the
    // algorithm exactly as its file holds it.
    const std::string heading =
        exercise->design().caption + "\t" + exercise->design().find(exercise->statementLabel())->caption + "\n";
    const std::pair<QString, std::string> copies[] = {{"Copiar", heading + exercise->trace().tabSeparated()},
                                                      {"Copiar algoritmo", std::string(ej::algorithm::source("frmej52"))}};
    for (const auto& [caption, copied] : copies) {
        SCOPED_TRACE(caption.toStdString());
        const auto buttons = trace->findChildren<QPushButton*>();
        const auto copy = std::find_if(buttons.begin(), buttons.end(), [&](auto* b) { return b->text() == caption; });
        ASSERT_NE(copy, buttons.end());
        QTest::mouseClick(trace->windowHandle(), Qt::LeftButton, {}, (*copy)->mapTo(trace, (*copy)->rect().center()));
        EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), copied);
        EXPECT_EQ(QApplication::activeWindow(), desktop.widgetOf(*exercise));
    }
    // "Copiar" says it was done, for a moment.
    const auto buttons = trace->findChildren<QPushButton*>();
    EXPECT_TRUE(std::any_of(buttons.begin(), buttons.end(), [](auto* b) { return b->text() == "Copiado"; }));
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return std::none_of(buttons.begin(), buttons.end(), [](auto* b) { return b->text() == "Copiado"; });
    }));
}

TEST(TraceWindow, NamesItsAlgorithmForAScreenReaderAndExplainsEachVariableInItsHeader) {
    ui::QtDesktop desktop(nullptr);
    ej::Program program(desktop, {",", "."});
    auto* exercise = static_cast<ej::ExerciseWindow*>(program.window("frmej13"));
    desktop.show(*exercise);
    QApplication::processEvents();
    desktop.widgetOf(*exercise)->toggleTrace();
    const ui::TraceWindow* trace = desktop.widgetOf(*exercise)->traceWindow();
    EXPECT_EQ(trace->pane()->accessibleName(), "Algoritmo - Ejercicio 13");
    EXPECT_EQ(trace->pane()->accessibleDescription().toStdString(),
              "Ejecutó las líneas 3, 4, 5, 8 (→ Verdadero), 9. Espera el próximo valor en la línea 10.");
    auto tooltip = [&](int column) {
        return trace->model().headerData(column, Qt::Horizontal, Qt::ToolTipRole).toString();
    };
    EXPECT_EQ(tooltip(3), "Entero; se asigna en la línea 8");  // i
    EXPECT_EQ(tooltip(4), "Real; se asigna en la línea 10");   // valor
}

// An algorithm that does not compile leaves the desk check with the window's own
// variables, and a line that says why.
TEST(TraceWindow, SaysWhyWhenItsAlgorithmDoesNotCompile) {
    QTemporaryDir folder;
    ASSERT_TRUE(QDir(folder.path()).mkdir("series"));
    QFile broken(folder.filePath("series/frmej01.psc"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("Algoritmo Ejercicio01\n\tLeer valor\n");
    broken.close();
    ej::algorithm::readSourcesFrom(folder.path().toStdString());
    ui::QtDesktop desktop(nullptr);
    ej::Program program(desktop, {",", "."});
    auto* exercise = static_cast<ej::ExerciseWindow*>(program.window("frmej01"));
    desktop.show(*exercise);
    ej::algorithm::readSourcesFrom({});
    desktop.widgetOf(*exercise)->toggleTrace();
    const ui::TraceWindow* trace = desktop.widgetOf(*exercise)->traceWindow();
    EXPECT_EQ(trace->pane(), nullptr);
    const auto* why = trace->findChild<QLabel*>("sinAlgoritmo");
    ASSERT_TRUE(why);
    EXPECT_TRUE(why->text().contains("FinAlgoritmo")) << why->text().toStdString();
    EXPECT_EQ(exercise->trace().names(), exercise->stateVariables().names());
}
