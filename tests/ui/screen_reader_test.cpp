// What a student who listens hears beyond the focused control: each window's statement as
// it opens, a refusal's message, the results by their names, and the desk check and the
// help reached and left from the keyboard without a reset.
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTextBlock>
#include <QTest>
#include <QTextBrowser>
#include <gtest/gtest.h>
#include <initializer_list>

#include "engine/exercise_window.h"
#include "shell/catalog.h"
#include "shell/program.h"
#include "tests/ui/keyboard.h"
#include "ui/algorithm_pane.h"
#include "ui/announcer.h"
#include "ui/form_widget.h"
#include "ui/help_window.h"
#include "ui/qt_desktop.h"
#include "ui/trace_window.h"

namespace {

struct Opened {
    ui::QtDesktop desktop{nullptr};
    ej::Program program{desktop, {",", "."}};
    ej::ExerciseWindow* window = nullptr;
    ui::FormWidget* form = nullptr;

    explicit Opened(const std::string& name) {
        window = static_cast<ej::ExerciseWindow*>(program.window(name));
        desktop.show(*window);
        QApplication::processEvents();
        form = desktop.widgetOf(*window);
    }
    QString statement() const { return static_cast<QLabel*>(form->control(qs(window->statementLabel())))->text(); }
    // Types each text into the focused box and presses Enter.
    void enter(std::initializer_list<const char*> texts) const {
        for (const char* text : texts) {
            QWidget* box = QApplication::focusWidget();
            ASSERT_TRUE(test::typeOn(box, QString::fromUtf8(text)));
            ASSERT_TRUE(test::pressOn(box, Qt::Key_Return));
        }
    }
    const ui::Announcer& announcer() const { return form->announcer(); }
    // What it says now: nothing once what it said is no longer news.
    QString saying() const { return announcer().isVisible() ? announcer().said() : QString(); }
    static QString qs(const std::string& s) { return QString::fromStdString(s); }
};

// In every exercise window: the statement is the window's description, which a screen
// reader says after its caption as it opens; a refusal says the message shown, and the
// next press, accepted, says nothing more of it.
TEST(ScreenReader, EveryWindowSaysItsStatementAndItsRefusals) {
    for (const auto& [name, factory] : ej::catalog()) {
        SCOPED_TRACE(name);
        Opened w(name);
        EXPECT_EQ(QAccessible::queryAccessibleInterface(w.form)->text(QAccessible::Description), w.statement());
        EXPECT_EQ(w.saying(), "");
        w.enter({"abc"});
        const QString message = QString::fromStdString(w.form->text(w.window->messageLabel()));
        EXPECT_TRUE(message.contains("abc"));
        EXPECT_EQ(w.saying(), message);
        w.enter({"7"});  // accepted by most windows, refused by the others: either way, news
        EXPECT_NE(w.saying(), message);
    }
}

// The results at completion, each by the name a screen reader gives its box and with its
// text, in the order the window writes them; a box the press moves the focus to is named
// before them, since a screen reader does not say it by itself.
TEST(ScreenReader, ResultsAreSaidByTheirNamesInTheirOrder) {
    struct Row {
        const char* window;
        std::initializer_list<const char*> typed;
        const char* said;
    };
    const Row rows[] = {
        {"frmej13", {"5", "3", "10", "2", "1", "4", "6", "7", "8", "9", "3", "2"},
         "El Mayor, 10. El Orden de Ingreso, 3"},
        {"frmej19", {"1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1"},
         "Cantidad, No ingresó N° pares. La Suma de los N° Pares, No ingresó N° pares"},
        {"frmej18", {"7"}, "Factorial, 5040"},
        {"frmej66", {"2"}, "Ingrese Importe"},
        {"frmej66", {"100"}, "Ingrese. Debe ingresar la cantidad de sueldos"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.window);
        Opened w(row.window);
        if (std::string(row.typed.begin()[0]) == "100") {  // an amount before the number of wages
            w.form->control("txtej6602")->setFocus();
            ASSERT_TRUE(test::type("100"));
            static_cast<QPushButton*>(w.form->control("cmdej6602"))->click();
        } else {
            w.enter(row.typed);
        }
        EXPECT_EQ(w.saying().toStdString(), row.said);
    }
}

// A result too long for its box, which then describes it whole, is still said by its name.
TEST(ScreenReader, ACutResultIsSaidByItsName) {
    Opened w("frmej01");
    const std::string whole(40, '9');
    {
        ui::Announcer::Press press(w.form->announcer());
        w.form->setText("txtej0102", whole);
    }
    ASSERT_FALSE(w.form->control("txtej0102")->toolTip().isEmpty());  // cut indeed
    EXPECT_EQ(w.saying().toStdString(), "Suma, " + whole);
}

// Where one label stands for several boxes, each says its own part of it, or the label
// with its row or place.
TEST(ScreenReader, SharedLabelsAreToldApartInWhatIsSaid) {
    struct Row {
        const char* window;
        int count;  // 1, 2 … typed
        const char* said;
    };
    const Row rows[] = {
        {"frmej16", 18,
         "La Suma, 171. El Promedio de los N° Ingresados, 9,5. La Suma, 171. El Promedio de los N° Positivos, 9,5. "
         "La Suma, No ingresó N° negativo. El Promedio de los N° Negativos, No ingresó N° negativo"},
        {"frmej10", 17,
         "Cantidad Positivos, 17. Suma Positivos, 153. Promedio Positivos, 9. Cantidad Negativos, No ingresó N° "
         "negativo. Suma Negativos, No ingresó N° negativo. Promedio Negativos, No ingresó N° negativo"},
    };
    for (const auto& [window, count, expected] : rows) {
        Opened w(window);
        for (int i = 1; i <= count; ++i) w.enter({std::to_string(i).c_str()});
        EXPECT_EQ(w.saying().toStdString(), expected);
    }
}

// F6 takes the keyboard to the desk check's newest row, Tab on to its algorithm's waiting
// line, and Esc back to the box it left, mid-series and without a reset; from there F6
// goes on to the help when it is open, and F6 in the help back to the exercise window.
// With neither open, F6 says how to open them.
TEST(KeyboardVisit, F6ReachesTheDeskCheckAndTheHelpAndEscComesBackWithoutAReset) {
    Opened w("frmej13");
    w.enter({"5", "3"});
    QWidget* box = QApplication::focusWidget();
    ASSERT_TRUE(test::pressOn(box, Qt::Key_F6));  // nowhere to go yet: it says how to open them
    EXPECT_EQ(w.saying(), "F2 abre la prueba de escritorio; F3, mi solución; F1, la ayuda");
    QTest::keyClick(box, Qt::Key_F2);
    ui::TraceWindow* trace = w.form->traceWindow();
    const auto rows = w.window->trace().rows().size();

    QTest::keyClick(box, Qt::Key_F6);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), trace);
    ASSERT_EQ(QApplication::focusWidget(), trace->table());
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return trace->table()->currentIndex().row() == trace->table()->model()->rowCount() - 1; }));
    QTest::keyClick(trace->table(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), trace->pane());
    // The caret where the run waits: its `Leer`.
    EXPECT_TRUE(QTest::qWaitFor([&] { return trace->pane()->textCursor().block().text().trimmed() == "Leer valor;"; }));
    ASSERT_TRUE(test::press(Qt::Key_Escape));
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), w.form);
    EXPECT_EQ(QApplication::focusWidget(), box);
    EXPECT_EQ(w.window->trace().rows().size(), rows);  // no reset row
    EXPECT_EQ(trace->table()->focusPolicy(), Qt::NoFocus);  // the mouse alone reaches it again

    QTest::keyClick(box, Qt::Key_F1);
    QTest::keyClick(box, Qt::Key_F6);
    QApplication::processEvents();
    ASSERT_TRUE(test::press(Qt::Key_F6));
    QApplication::processEvents();
    EXPECT_TRUE(qobject_cast<QTextBrowser*>(QApplication::focusWidget()));
    EXPECT_EQ(QApplication::activeWindow(), w.desktop.helpWindow());
    ASSERT_TRUE(test::press(Qt::Key_F6));
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), box);
    w.enter({"10"});
    ASSERT_EQ(w.window->trace().rows().size(), rows + 1);
    // The reading loop's index: the series goes on, its fourth value next.
    EXPECT_EQ(w.window->trace().rows().back().values.front(), "4");
}

}  // namespace
