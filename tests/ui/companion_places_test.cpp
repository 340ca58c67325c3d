// Where a desk check and the help open: a desk check never over its window's title bar
// nor its statement, wherever the window stands, and never on a window as large as the
// screen, however often F2 opens it again; the help never over a desk check.
#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

#include "shell/catalog.h"
#include "tests/ui/windows_on_screen.h"
#include "ui/help_window.h"
#include "ui/trace_window.h"

namespace {

using test::inSight;
using test::Running;
using test::ScreenOf;
using test::text;

// Where a window manager puts a new window: in the middle of the screen.
void centre(QWidget* window) {
    const QRect area = ScreenOf::available();
    window->move(area.center() - QPoint(window->frameGeometry().width(), window->frameGeometry().height()) / 2);
    QApplication::processEvents();
}

QRect deskCheckOf(const ui::FormWidget* form) { return form->traceWindow()->frameGeometry(); }

}  // namespace

TEST(CompanionPlaces, ADeskCheckBesideAWindowInTheMiddleOfTheScreenLeavesItsTitleBarAndStatement) {
    for (const QSize size : {QSize(1366, 768), QSize(1024, 768)}) {
        ScreenOf screen(size);
        Running p;
        for (const auto& [name, factory] : ej::catalog()) {
            SCOPED_TRACE(testing::Message() << name << " on " << size.width() << "x" << size.height());
            ui::FormWidget* form = p.show(name);
            centre(form);
            form->toggleTrace();
            const QRect desk = deskCheckOf(form);
            EXPECT_TRUE(ScreenOf::available().contains(desk)) << text(desk);
            for (const QRect& kept : inSight(form, p.exercise(name)).mid(0, 3))  // title bar, statement, input box
                EXPECT_FALSE(desk.intersects(kept)) << text(desk) << " over " << text(kept);
            form->close();
        }
    }
}

// At 150 % Ej. 58 is wider than a projector's screen: no place clears all it shows, and
// the desk check goes where it hides the least of it, the same place each time.
TEST(CompanionPlaces, F2AgainNeverPutsTheDeskCheckOnAWindowAsLargeAsTheScreen) {
    ScreenOf screen({1024, 768});
    Running p;
    p.desktop.zoom().setPercent(150);
    ui::FormWidget* form = p.show("frmej58");
    centre(form);
    const ej::ExerciseWindow& exercise = p.exercise("frmej58");
    const QList<QRect> kept = inSight(form, exercise).mid(0, 3);  // title bar, statement, input box
    form->toggleTrace();
    const QRect first = deskCheckOf(form);
    for (int again = 0; again < 3; ++again) {
        SCOPED_TRACE(again);
        form->toggleTrace();
        form->toggleTrace();
        EXPECT_EQ(deskCheckOf(form), first);
        EXPECT_NE(deskCheckOf(form).topLeft(), form->frameGeometry().topLeft());
        for (const QRect& r : kept) EXPECT_FALSE(deskCheckOf(form).intersects(r)) << text(r);
    }
}

// F1 after F2, wherever the window stands and at any zoom: the help goes beside it, clear
// of its desk check.
TEST(CompanionPlaces, TheHelpNeverOpensOverTheDeskCheck) {
    const struct {
        QSize screen;
        const char* window;
        int percent;
        QPoint corner;  // the window's, in the screen's available area; (-1, -1) for its middle
    } rows[] = {{{1366, 768}, "frmej13", 100, {0, 0}},     {{1366, 768}, "frmej45", 100, {-1, -1}},
                {{1366, 768}, "frmej62", 150, {400, 200}}, {{1024, 768}, "frmej58", 150, {0, 0}},
                {{1024, 768}, "frmej13", 200, {-1, -1}},   {{1024, 768}, "frmej24", 100, {660, 300}}};
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.window << " at " << row.percent << " % on " << row.screen.width());
        ScreenOf screen(row.screen);
        Running p;
        p.desktop.zoom().setPercent(row.percent);
        ui::FormWidget* form = p.show(row.window);
        if (row.corner.x() < 0)
            centre(form);
        else
            form->move(ScreenOf::available().topLeft() + row.corner);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
        ASSERT_NE(p.desktop.helpWindow(), nullptr);
        const QRect help = p.desktop.helpWindow()->frameGeometry();
        EXPECT_TRUE(ScreenOf::available().contains(help)) << text(help);
        EXPECT_FALSE(help.intersects(deskCheckOf(form))) << text(help) << " over " << text(deskCheckOf(form));
        EXPECT_EQ(QApplication::activeWindow(), form);
    }
}
