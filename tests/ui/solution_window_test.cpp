// Mi solución: F3 opens it beside its exercise window, which keeps the activation; a
// fault is underlined where the compiler places it; a Latin-1 file reads right and saves
// as UTF-8; changes not saved ask before the window closes and before the program ends;
// the student's desk check follows the window's presses; Comprobar says its verdict aloud;
// F6 takes the keyboard round the exercise's windows.
#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>
#include <gtest/gtest.h>
#include <initializer_list>

#include "engine/exercise_window.h"
#include "engine/solution/student_run.h"
#include "shell/program.h"
#include "tests/ui/keyboard.h"
#include "ui/announcer.h"
#include "ui/code_editor.h"
#include "ui/form_widget.h"
#include "ui/qt_desktop.h"
#include "ui/side_by_side.h"
#include "ui/solution_window.h"
#include "ui/trace_model.h"
#include "ui/zoom.h"

namespace {

// Exercise 18 in a student's words: it takes the 5, which the window refuses.
const char* const kTakesTheFive =
    "Algoritmo Factorial\n\tLeer n\n\tMientras n < 5 O n > 15 O n <> trunc(n) Hacer\n\t\tEscribir \"No es lo "
    "pedido\"\n\t\tLeer n\n\tFinMientras\n\tf <- 1\n\tPara i <- 2 Hasta n Hacer\n\t\tf <- f * i\n\tFinPara\n\t"
    "Escribir \"Factorial: \", f\nFinAlgoritmo\n";

struct Opened {
    ui::QtDesktop desktop{nullptr};
    ej::Program program{desktop, {",", "."}};
    ej::ExerciseWindow* window = nullptr;
    ui::FormWidget* form = nullptr;

    explicit Opened(const std::string& name) {
        program.start();
        program.menu().clicked("cmdej" + name.substr(5));
        QApplication::processEvents();
        window = static_cast<ej::ExerciseWindow*>(program.find(name));
        form = desktop.widgetOf(*window);
    }
    QWidget* box() const { return form->control(QString::fromStdString(window->inputBox())); }
    ui::SolutionWindow* f3() const {
        QTest::keyClick(box(), Qt::Key_F3);
        QApplication::processEvents();
        return form->solutionWindow() && form->solutionWindow()->isVisible() ? form->solutionWindow() : nullptr;
    }
    void enter(std::initializer_list<const char*> texts) const {
        for (const char* text : texts) {
            static_cast<QLineEdit*>(box())->setText(QString::fromUtf8(text));
            QTest::keyClick(box(), Qt::Key_Return);
        }
    }
};

// The text as a paste over the whole, then the pause after typing that compiles it.
void write(ui::SolutionWindow* solution, const QString& text) {
    solution->editor()->selectAll();
    solution->editor()->insertPlainText(text);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !solution->compilePending(); }));
}

// Clicks `button` in the question the next modal step asks; returns what it asked.
std::shared_ptr<QString> answer(const QString& button) {
    auto asked = std::make_shared<QString>();
    auto tryNow = std::make_shared<std::function<void()>>();
    *tryNow = [button, asked, tryNow] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return QTimer::singleShot(10, *tryNow);
        *asked = box->text();
        for (QAbstractButton* b : box->buttons())
            if (b->text() == button) return b->click();
    };
    QTimer::singleShot(0, *tryNow);
    return asked;
}

}  // namespace

TEST(SolutionWindow, OpensBesideItsWindowWhichKeepsTheActivationAndKeepsItsTextWhenClosed) {
    Opened w("frmej24");
    ui::SolutionWindow* solution = w.f3();
    ASSERT_TRUE(solution);
    EXPECT_EQ(solution->windowTitle(), "Mi solución - Ejercicio 24");
    EXPECT_EQ(QApplication::activeWindow(), w.form);
    EXPECT_EQ(QApplication::focusWidget(), w.box());
    EXPECT_FALSE(solution->frameGeometry().intersects(QRect(w.box()->mapToGlobal(QPoint()), w.box()->size())));
    EXPECT_EQ(w.form->announcer().said(), "Mi solución abierta: F6 va a ella");
    // Every control a student can reach is named for a screen reader.
    for (QWidget* control : solution->findChildren<QWidget*>()) {
        if (control->focusPolicy() == Qt::NoFocus || !control->isVisibleTo(solution)) continue;
        EXPECT_FALSE(QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).isEmpty())
            << control->metaObject()->className();
    }
    // The zoom reaches its text.
    const int size = solution->editor()->font().pixelSize();
    w.desktop.zoom().enlarge();
    EXPECT_GT(solution->editor()->font().pixelSize(), size);
    w.desktop.zoom().restore();

    solution->start(true);
    const QString begun = solution->editor()->toPlainText();
    EXPECT_TRUE(begun.endsWith("Algoritmo Ejercicio24\n\t\nFinAlgoritmo\n")) << begun.toStdString();
    w.f3();  // nothing changed since it began: nothing to ask
    EXPECT_FALSE(w.form->solutionWindow() && w.form->solutionWindow()->isVisible());
    EXPECT_EQ(w.form->announcer().said(), "Mi solución cerrada");
    solution = w.f3();
    ASSERT_TRUE(solution);
    EXPECT_EQ(solution->editor()->toPlainText(), begun);
}

// The compiler counts columns in characters; the text, in UTF-16 units.
TEST(SolutionWindow, UnderlinesAFaultWhereItIsAndListsIt) {
    Opened w("frmej01");
    ui::SolutionWindow* solution = w.f3();
    solution->start(false);
    write(solution, QStringLiteral("Algoritmo Prueba\n\tLeer a\n\tEscribir \"😀 ñ\", a +* 2\nFinAlgoritmo\n"));
    ASSERT_EQ(solution->errors().size(), 1u);
    EXPECT_EQ(solution->errors().front().located(), "línea 3, columna 21: se esperaba un valor, una variable o '(', "
                                                    "y se encontró '*'");
    const auto marks = solution->editor()->extraSelections();
    ASSERT_EQ(marks.size(), 1);
    EXPECT_EQ(marks.front().format.underlineStyle(), QTextCharFormat::WaveUnderline);
    EXPECT_EQ(marks.front().cursor.block().blockNumber(), 2);
    EXPECT_EQ(marks.front().cursor.selectedText(), "*");
    EXPECT_EQ(solution->announcer().said().toStdString(), "Un error: " + solution->errors().front().located());
    // Enter on the listed fault takes the caret there.
    auto* list = solution->findChild<QListWidget*>();
    ASSERT_TRUE(list && list->isVisibleTo(solution));
    list->setCurrentRow(0);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(solution->editor()->textCursor().position(), marks.front().cursor.selectionStart());
}

TEST(SolutionWindow, ReadsALatin1FileRightAndSavesItInUtf8) {
    QTemporaryDir folder;
    QFile latin1(folder.filePath("latin1.psc"));
    ASSERT_TRUE(latin1.open(QIODevice::WriteOnly));
    latin1.write("// Canci\xf3n\r\nAlgoritmo Ejercicio01\r\n\tEscribir \"\xf1\"\r\nFinAlgoritmo\r\n");
    latin1.close();
    Opened w("frmej01");
    ui::SolutionWindow* solution = w.f3();
    ASSERT_TRUE(solution->openFile(latin1.fileName()));
    const QString text = QStringLiteral("// Canción\nAlgoritmo Ejercicio01\n\tEscribir \"ñ\"\nFinAlgoritmo\n");
    EXPECT_EQ(solution->editor()->toPlainText(), text);
    EXPECT_EQ(solution->windowTitle(), "Mi solución - Ejercicio 01 - latin1.psc");
    write(solution, text + "// más\n");
    EXPECT_EQ(solution->windowTitle(), "Mi solución - Ejercicio 01 - latin1.psc*");
    ASSERT_TRUE(solution->saveTo(folder.filePath("utf8.psc")));
    EXPECT_EQ(solution->windowTitle(), "Mi solución - Ejercicio 01 - utf8.psc");
    QFile saved(folder.filePath("utf8.psc"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), (text + "// más\n").toUtf8());
}

// Cancelar keeps the window, or the program, as it was; Descartar goes back to the text
// as last saved; Guardar writes it first.
TEST(SolutionWindow, ChangesNotSavedAskBeforeTheWindowClosesAndBeforeSalir) {
    QTemporaryDir folder;
    Opened w("frmej01");
    ui::SolutionWindow* solution = w.f3();
    solution->start(false);
    ASSERT_TRUE(solution->saveTo(folder.filePath("mia.psc")));
    write(solution, "Algoritmo Ejercicio01\nFinAlgoritmo\n");
    auto asked = answer("Cancelar");
    w.f3();
    EXPECT_EQ(*asked, "¿Guardar los cambios de tu solución del Ejercicio 01?");
    ASSERT_TRUE(solution->isVisible());
    answer("Guardar");
    w.f3();
    EXPECT_FALSE(w.form->solutionWindow() && w.form->solutionWindow()->isVisible());
    QFile saved(folder.filePath("mia.psc"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), "Algoritmo Ejercicio01\nFinAlgoritmo\n");

    solution = w.f3();
    write(solution, "Algoritmo Otro\nFinAlgoritmo\n");
    answer("Cancelar");
    w.program.menu().clicked("cmdsalir");
    EXPECT_FALSE(w.desktop.ended());
    EXPECT_TRUE(solution->isVisible());
    answer("Descartar");
    w.program.menu().clicked("cmdsalir");
    EXPECT_TRUE(w.desktop.ended());
    EXPECT_EQ(w.desktop.solutionDraft(*w.window).text, "Algoritmo Ejercicio01\nFinAlgoritmo\n");
}

// Opened mid-series, it takes the series from its start; each press adds a row, and the
// first that differs is marked and said where the student typed it.
TEST(SolutionWindow, TheStudentsDeskCheckFollowsThePressesAndMarksTheFirstDifference) {
    Opened w("frmej18");
    w.enter({"20"});
    ui::SolutionWindow* solution = w.f3();
    solution->start(false);
    write(solution, kTakesTheFive);
    const ui::TraceModel* table = solution->live().table();
    ASSERT_TRUE(table);
    EXPECT_EQ(table->eventRows(), 2);  // the reset, the 20
    w.enter({"5"});
    EXPECT_EQ(table->eventRows(), 3);
    EXPECT_EQ(table->markedRow(), 2);
    const QString difference = solution->live().difference();
    EXPECT_TRUE(difference.startsWith("Con 20; 5, en el ingreso 2 (5) la ventana lo rechazó")) << difference.toStdString();
    EXPECT_EQ(w.form->announcer().said(), "El valor 5 no es lo pedido. " + difference);
    // The reset row's and the newest row's lines: Leer, the loop's test, and on.
    EXPECT_FALSE(solution->editor()->extraSelections().isEmpty());
}

TEST(SolutionWindow, ComprobarSaysItsVerdictAndShowsTheSeriesSideBySide) {
    Opened w("frmej18");
    ui::SolutionWindow* solution = w.f3();
    solution->start(false);
    write(solution, kTakesTheFive);
    QTest::keyClick(solution->editor(), Qt::Key_Return, Qt::ControlModifier);
    const QString verdict = "En el ingreso 1 (5) la ventana lo rechazó («El valor 5 no es lo pedido»); tu algoritmo "
                            "terminó y escribió «Factorial: 120».";
    EXPECT_EQ(solution->verdict(), verdict);
    EXPECT_EQ(solution->announcer().said(), verdict);
    solution->showSideBySide();
    const ui::SideBySideWindow* sides = solution->sideBySide();
    ASSERT_TRUE(sides);
    EXPECT_EQ(sides->windowTitle(), "Lado a lado - Ejercicio 18");
    // The reset, then the 5: marked in both.
    EXPECT_EQ(sides->windowRow(), 1);
    EXPECT_EQ(sides->studentRow(), 1);
    EXPECT_EQ(sides->windowTable().markedRow(), 1);
    EXPECT_EQ(sides->studentTable().data(sides->studentTable().index(1, 1), Qt::DisplayRole).toString(), "5");
}

// Exercise window, desk check, solution, help, and back, mid-series and without a reset.
TEST(SolutionWindow, F6GoesRoundTheExercisesWindows) {
    Opened w("frmej13");
    w.enter({"5"});
    QTest::keyClick(w.box(), Qt::Key_F2);
    ui::SolutionWindow* solution = w.f3();
    QTest::keyClick(w.box(), Qt::Key_F1);
    const auto rows = w.window->trace().rows().size();
    const auto f6 = [] {
        EXPECT_TRUE(test::press(Qt::Key_F6));
        QApplication::processEvents();
    };
    f6();
    EXPECT_EQ(QApplication::activeWindow(), w.form->traceWindow());
    f6();
    EXPECT_EQ(QApplication::activeWindow(), solution);
    auto* first = qobject_cast<QPushButton*>(QApplication::focusWidget());
    ASSERT_TRUE(first);
    EXPECT_EQ(first->text(), "Empezar con el enunciado");
    f6();
    EXPECT_TRUE(qobject_cast<QTextBrowser*>(QApplication::focusWidget()));
    f6();
    EXPECT_EQ(QApplication::activeWindow(), w.form);
    EXPECT_EQ(QApplication::focusWidget(), w.box());
    EXPECT_EQ(w.window->trace().rows().size(), rows);
}
