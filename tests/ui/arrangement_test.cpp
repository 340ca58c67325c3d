// "Ordenar ventanas" (Ctrl+L), a teacher's layout for a projector: every exercise window
// with its desk check and its solution fills a laptop's or a projector's screen, none
// over another, at the zoom asked or the largest lower one where they fit; the key works
// from any window of the program and leaves the activation, the focus and the series as
// they were.
#include <QApplication>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <optional>

#include "shell/catalog.h"
#include "tests/ui/windows_on_screen.h"
#include "ui/notice.h"
#include "ui/solution_window.h"
#include "ui/tiling.h"
#include "ui/trace_window.h"
#include "ui/window_arrangement.h"

namespace {

using test::Running;
using test::ScreenOf;
using test::text;

// Each place on the area, the exercise window's at its top-left corner, none over another,
// each companion's at least its least.
void expectTiled(const QList<QRect>& places, const ui::Arranged& arranged, const QRect& area) {
    ASSERT_EQ(places.size(), arranged.least.size() + 1);
    EXPECT_EQ(places.front(), QRect(area.topLeft(), arranged.window));
    for (qsizetype i = 0; i < places.size(); ++i) {
        EXPECT_TRUE(area.contains(places[i])) << text(places[i]) << " off the screen";
        for (qsizetype j = i + 1; j < places.size(); ++j)
            EXPECT_FALSE(places[i].intersects(places[j])) << text(places[i]) << " over " << text(places[j]);
        if (i > 0) {
            EXPECT_TRUE(places[i].width() >= arranged.least[i - 1].width() &&
                        places[i].height() >= arranged.least[i - 1].height())
                << text(places[i]);
        }
    }
}

// The windows where Ctrl+L put them: as the layout says for their sizes now.
void expectArranged(const ui::FormWidget& form) {
    const ui::Arranged arranged = ui::arrangedOf(form);
    QList<QRect> places{form.frameGeometry()};
    for (const QWidget* companion : arranged.companions) places << companion->frameGeometry();
    expectTiled(places, arranged, ScreenOf::available());
}

}  // namespace

// Each window's sizes at every step from 100 to 200 %, then its layout on each screen at
// 100, 150 and 200 %: at that zoom, or at the largest lower step where it fits.
TEST(Arrangement, EveryWindowWithItsDeskCheckAndSolutionFillsALaptopOrAProjector) {
    const std::vector<int> steps{100, 125, 150, 175, 200};
    Running p;
    for (const auto& [name, factory] : ej::catalog()) {
        ui::FormWidget* form = p.show(name);
        form->toggleTrace();
        form->toggleSolution();
        std::map<int, ui::Arranged> sizes;
        for (int percent : steps) {
            p.desktop.zoom().setPercent(percent);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            sizes[percent] = ui::arrangedOf(*form);
            ASSERT_EQ(sizes[percent].least.size(), 2) << name;
        }
        p.desktop.zoom().setPercent(100);
        form->close();
        for (const QSize screen : {QSize(1366, 768), QSize(1024, 768)})
            for (const int asked : {100, 150, 200}) {
                SCOPED_TRACE(testing::Message() << name << " at " << asked << " % on " << screen.width() << "x"
                                                << screen.height());
                const QRect area = QRect(QPoint(), screen).adjusted(0, 28, 0, 0);
                std::optional<QList<QRect>> places;
                int percent = asked;
                const auto from = std::find(steps.rbegin(), steps.rend(), asked);
                for (auto step = from; step != steps.rend() && !places; ++step)
                    if ((places = ui::tiled(sizes[*step].window, sizes[*step].least, area))) percent = *step;
                ASSERT_TRUE(places) << "no fit even at 100 %";
                expectTiled(*places, sizes[percent], area);
            }
    }
}

// Ej. 58 is wider than a projector's screen at 150 %: Ctrl+L in it takes the zoom down to
// where it fits with its desk check, and says so. Ctrl+L in the menu, the desk check or the
// solution lays out the same window again, its solution too once open; with no exercise
// window open, it says what to do.
TEST(Arrangement, CtrlLFromAnyWindowLaysOutTheExerciseItBelongsToAndSaysAtWhichZoom) {
    ScreenOf screen({1024, 768});
    Running p;
    const auto ctrlL = [](QWidget* in) {
        QTest::keyClick(in, Qt::Key_L, Qt::ControlModifier);
        QApplication::processEvents();
    };
    ui::FormWidget* menu = p.desktop.widgetOf(p.program.menu());
    ctrlL(menu->focusWidget());
    EXPECT_EQ(ui::noticeOf(*menu), "Abra un ejercicio para ordenar sus ventanas");

    p.desktop.zoom().setPercent(150);
    ui::FormWidget* form = p.show("frmej58");
    ej::ExerciseWindow& exercise = p.exercise("frmej58");
    for (const char* value : {"1500", "abc", "2000"}) {
        QTest::keyClicks(QApplication::focusWidget(), value);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    QWidget* input = QApplication::focusWidget();
    const std::string series = exercise.trace().tabSeparated();
    ctrlL(input);
    const int percent = p.desktop.zoom().percent();
    EXPECT_LT(percent, 150);
    const QString said = QStringLiteral("Ventanas ordenadas al %1 %").arg(percent);
    EXPECT_EQ(ui::noticeOf(*form), said);
    EXPECT_EQ(form->announcer().said(), said);
    ASSERT_NE(form->traceWindow(), nullptr);
    expectArranged(*form);
    EXPECT_EQ(QApplication::activeWindow(), form);
    EXPECT_EQ(QApplication::focusWidget(), input);
    EXPECT_EQ(exercise.trace().tabSeparated(), series);

    // From the menu: the exercise window last active, moved away meanwhile.
    form->move(form->pos() + QPoint(100, 50));
    Running::activate(menu);
    ctrlL(menu->focusWidget());
    expectArranged(*form);
    // From its desk check and its solution, each visited with F6.
    Running::activate(form);
    form->toggleSolution();
    form->traceWindow()->visitFrom(*form, {});
    ctrlL(QApplication::focusWidget());
    EXPECT_EQ(ui::arrangedOf(*form).companions.size(), 2);
    expectArranged(*form);
    form->move(form->pos() + QPoint(100, 50));
    form->solutionWindow()->visitFrom();
    ctrlL(QApplication::focusWidget());
    expectArranged(*form);
}

// Where the windows fit at the zoom asked, the zoom stays.
TEST(Arrangement, KeepsAZoomAtWhichTheyFit) {
    ScreenOf screen({1366, 768});
    Running p;
    p.desktop.zoom().setPercent(125);
    ui::FormWidget* form = p.show("frmej13");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_L, Qt::ControlModifier);
    EXPECT_EQ(p.desktop.zoom().percent(), 125);
    EXPECT_EQ(ui::noticeOf(*form), "Ventanas ordenadas al 125 %");
    expectArranged(*form);
}
