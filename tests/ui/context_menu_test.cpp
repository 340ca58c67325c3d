// What the scenarios cannot click: a right-click on a control, and the help's close box.
// Neither the context menu nor the help ever takes the activation or the focus from the
// window they came from, nor restarts its series.
#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QTest>
#include <QTextBrowser>
#include <QWindow>
#include <gtest/gtest.h>

#include "engine/exercise_window.h"
#include "shell/program.h"
#include "tests/ui/keyboard.h"
#include "ui/form_widget.h"
#include "ui/qt_desktop.h"

namespace {

struct Program {
    ui::QtDesktop desktop{nullptr};
    ej::Program program{desktop, {",", "."}};

    ui::FormWidget* open(const std::string& window) {
        desktop.show(*program.window(window));
        QApplication::processEvents();
        return desktop.widgetOf(*program.window(window));
    }
};

// Right-clicks the control; returns the entries of the menu that opens, or none.
QStringList rightClick(ui::FormWidget* form, const QString& control) {
    QWidget* w = form->control(control);
    QTest::mouseClick(form->windowHandle(), Qt::RightButton, {}, w->mapTo(form, w->rect().center()));
    QApplication::processEvents();
    QStringList entries;
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget()))
        for (QAction* action : menu->actions()) entries << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return entries;
}

void closeMenu() {
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    QApplication::processEvents();
}

const QStringList kZoomAndHelp{"Ampliar (Ctrl++)",          "Reducir (Ctrl+-)", "Tamaño normal (Ctrl+0)",
                               "Ordenar ventanas (Ctrl+L)", "-",                "Ayuda (F1)"};

}  // namespace

TEST(ContextMenu, OffersTheWindowsKeysAfterATextBoxsOwnEntries) {
    Program p;
    ui::FormWidget* menu = p.open("frm2005");
    EXPECT_EQ(rightClick(menu, "cmdej01"), kZoomAndHelp);
    closeMenu();
    ui::FormWidget* exercise = p.open("frmej01");
    const QStringList entries = QStringList{"Prueba de escritorio y algoritmo (F2)", "Mi solución (F3)", "-"} + kZoomAndHelp;
    EXPECT_EQ(rightClick(exercise, "cmdej0102"), entries);
    closeMenu();
    const QStringList inTheBox = rightClick(exercise, "txtej0101");
    closeMenu();
    ASSERT_GT(inTheBox.size(), entries.size());
    EXPECT_EQ(inTheBox.mid(inTheBox.size() - entries.size() - 1), QStringList{"-"} + entries);
}

TEST(ContextMenu, OpenedOnAnyControlAndClosedLeavesTheWindowAsItWas) {
    Program p;
    ui::FormWidget* form = p.open("frmej01");
    auto& exercise = static_cast<ej::ExerciseWindow&>(form->logic());
    QWidget* input = form->control("txtej0101");
    for (const char* value : {"1", "2"}) {
        QTest::keyClicks(input, value);
        QTest::keyClick(input, Qt::Key_Return);
    }
    QTest::keyClicks(input, "3");
    const std::string before = exercise.trace().tabSeparated();
    // A left-click would give the exit button or the sum's box the focus.
    for (const char* control : {"cmdej0102", "txtej0102", "lblej0101"}) {
        SCOPED_TRACE(control);
        EXPECT_FALSE(rightClick(form, control).isEmpty());
        EXPECT_EQ(form->focusWidget(), input);
        closeMenu();
        EXPECT_EQ(QApplication::activeWindow(), form);
        EXPECT_EQ(QApplication::focusWidget(), input);
        EXPECT_EQ(form->text("txtej0101"), "3");
    }
    EXPECT_EQ(exercise.trace().tabSeparated(), before);  // no reset, no press
}

TEST(HelpWindow, NeverActiveClosedByItsCloseBoxOrF1FromAnyWindow) {
    Program p;
    ui::FormWidget* menu = p.open("frm2005");
    ui::FormWidget* exercise = p.open("frmej01");
    const QRect window = exercise->frameGeometry();
    ASSERT_TRUE(test::press(Qt::Key_F1));
    QApplication::processEvents();
    ui::HelpWindow* help = p.desktop.helpWindow();
    ASSERT_TRUE(help && help->isVisible());
    EXPECT_EQ(help->windowTitle(), "Ayuda - Ejercicios 2005");
    // A window grown past the screen by the zoom comes back whole with Ctrl+0: the help says so.
    EXPECT_TRUE(help->findChild<QTextBrowser*>()->toPlainText().contains("trae de vuelta todo lo que, ampliado, no entraba"));
    EXPECT_FALSE(help->frameGeometry().intersects(window));
    EXPECT_EQ(QApplication::activeWindow(), exercise);
    QCloseEvent closeBox;  // as the window system sends it
    QApplication::sendEvent(help->windowHandle(), &closeBox);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(p.desktop.helpWindow(), nullptr);
    // Opened again from one window, closed from another: there is only ever one.
    ASSERT_TRUE(test::press(Qt::Key_F1));
    ASSERT_NE(p.desktop.helpWindow(), nullptr);
    ASSERT_TRUE(test::pressOn(menu->focusWidget(), Qt::Key_F1));
    EXPECT_EQ(p.desktop.helpWindow(), nullptr);
}
