// A return to an exercise window from another window of the program starts its series
// again: when that drops values, a notice over the window says so, and a screen reader
// hears it, while the window's controls, its focus and its activation stay as the reset
// leaves them. Nothing dropped, or a return from another application, shows nothing.
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include "tests/ui/windows_on_screen.h"
#include "ui/notice.h"

namespace {

using test::Running;

const QString kReset = QStringLiteral("La serie empezó de nuevo: al volver a esta ventana se reinicia la cuenta");

void enter(std::initializer_list<const char*> values) {
    for (const char* value : values) {
        QTest::keyClicks(QApplication::focusWidget(), value);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
}

// Every control's text, whether it is enabled, and where it is.
QStringList controlsOf(const ui::FormWidget* form) {
    QStringList all;
    for (const auto& c : form->logic().design().controls) {
        const QWidget* w = form->control(QString::fromStdString(c.name));
        const QRect at = w->geometry();
        all << QStringLiteral("%1 %2 %3,%4 %5x%6")
                   .arg(QString::fromStdString(form->text(c.name)))
                   .arg(w->isEnabled())
                   .arg(at.x())
                   .arg(at.y())
                   .arg(at.width())
                   .arg(at.height());
    }
    return all;
}

}  // namespace

TEST(ResetNotice, AResetThatDropsValuesIsSeenAndHeardAndTouchesNothingElse) {
    Running p;
    QWidget* menu = p.desktop.widgetOf(p.program.menu());
    ui::FormWidget* form = p.show("frmej13");
    ej::ExerciseWindow& exercise = p.exercise("frmej13");
    QWidget* input = form->control("txtej1301");
    const QStringList fresh = controlsOf(form);
    const std::string start = exercise.progress();
    enter({"5", "8", "2"});
    Running::activate(menu);
    EXPECT_EQ(ui::noticeOf(*form), "");
    Running::activate(form);
    EXPECT_EQ(exercise.dropped(), 3);
    EXPECT_EQ(ui::noticeOf(*form), kReset);
    EXPECT_EQ(form->announcer().said(), kReset);
    EXPECT_EQ(QApplication::activeWindow(), form);
    EXPECT_EQ(QApplication::focusWidget(), input);
    EXPECT_EQ(controlsOf(form), fresh);
    EXPECT_EQ(exercise.progress(), start);
    // The student types on through it.
    enter({"7"});
    EXPECT_NE(exercise.progress(), start);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ui::noticeOf(*form).isEmpty(); }, 2 * ui::kNoticeShownMs));

    // A return from another application keeps the series: nothing to tell.
    Running::away();
    Running::activate(form);
    EXPECT_EQ(ui::noticeOf(*form), "");
    EXPECT_NE(exercise.progress(), start);
    // Nor after a reset that dropped nothing.
    ui::FormWidget* other = p.show("frmej14");
    Running::activate(menu);
    Running::activate(other);
    EXPECT_EQ(p.exercise("frmej14").dropped(), 0);
    EXPECT_EQ(ui::noticeOf(*other), "");
}
