// Where the windows go on a laptop's and a projector's screen: a desk check never covers
// what its exercise window shows the student, whatever the zoom, and shows its columns
// whole; a zoom keeps each window where the student put it, on the screen.
#include <QApplication>
#include <QHeaderView>
#include <QScreen>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

#include "engine/exercise_window.h"
#include "shell/catalog.h"
#include "shell/program.h"
#include "tests/ui/windows_on_screen.h"
#include "ui/form_widget.h"
#include "ui/qt_desktop.h"
#include "ui/trace_model.h"
#include "ui/zoom.h"

namespace {

using test::inSight;
using test::ScreenOf;
using test::text;

// The largest zoom at which the window, put at the top-left corner, leaves half the
// screen free beside or below it: the room a desk check needs.
int largestRoomyPercent(const ej::WindowDesign& d, const QRect& screen, QSize frame) {
    int largest = 100;
    for (int percent : ui::Zoom::kPercentSteps) {
        const QSize outside = QSize(d.width, d.height) * percent / 1500 + frame;
        if (2 * outside.width() <= screen.width() || 2 * outside.height() <= screen.height()) largest = percent;
    }
    return largest;
}

void expectClearAndWhole(ui::FormWidget* form, const ej::ExerciseWindow& w) {
    const ui::TraceWindow* trace = form->traceWindow();
    ASSERT_NE(trace, nullptr);
    const QRect desk = trace->frameGeometry();
    EXPECT_TRUE(ScreenOf::available().contains(desk)) << "off the screen";
    for (const QRect& kept : inSight(form, w)) EXPECT_FALSE(desk.intersects(kept)) << "over " << text(kept);
    const QTableView* table = trace->table();
    const QHeaderView* header = table->horizontalHeader();
    int columns = 0;
    for (int c = 0; c < header->count(); ++c) {
        EXPECT_GE(header->sectionSize(c), header->sectionSizeHint(c)) << "header " << c << " cut";
        columns += header->sectionSize(c);
    }
    // Every column in view, unless the screen is too narrow for them: then it reaches an edge.
    const QRect area = ScreenOf::available();
    EXPECT_TRUE(table->viewport()->width() >= columns || desk.left() == area.left() || desk.right() == area.right())
        << columns << " wide in " << table->viewport()->width() << ", split " << table->width() << " of " << trace->width() << " at " << desk.x() << "," << desk.y();
    // Headers drawn at the zoom, as large as the cells.
    EXPECT_EQ(header->fontInfo().pixelSize(), table->fontInfo().pixelSize());
}

}  // namespace

TEST(Placement, ADeskCheckNeverCoversWhatItsWindowShowsAndShowsItsColumnsWhole) {
    for (const QSize size : {QSize(1366, 768), QSize(1024, 768)}) {
        ScreenOf screen(size);
        ui::QtDesktop desktop(nullptr);
        ej::Program program(desktop, {",", "."});
        desktop.show(program.menu());  // the program lives on as each window closes
        for (const auto& [name, factory] : ej::catalog()) {
            auto& w = static_cast<ej::ExerciseWindow&>(*program.window(name));
            desktop.show(w);
            QApplication::processEvents();  // its activation's row
            ui::FormWidget* form = desktop.widgetOf(w);
            const QSize frame = form->frameGeometry().size() - form->size();
            for (int percent : {100, largestRoomyPercent(w.design(), ScreenOf::available(), frame)}) {
                SCOPED_TRACE(testing::Message() << name << " at " << percent << " % on " << size.width() << "x"
                                                << size.height());
                desktop.zoom().setPercent(percent);
                form->move(ScreenOf::available().topLeft());
                form->toggleTrace();
                QApplication::processEvents();  // the desk check's layout
                expectClearAndWhole(form, w);
                form->toggleTrace();
            }
            desktop.zoom().setPercent(100);
            form->close();
        }
    }
}

// Several windows open, one with its desk check, through every step up and back: each
// keeps its corner, moved in only as far as the screen needs, and is back there at 100 %.
TEST(Placement, AZoomKeepsEachWindowsCornerOnTheScreenAndItsDeskCheckBeside) {
    ScreenOf screen({1024, 768});
    ui::QtDesktop desktop(nullptr);
    ej::Program program(desktop, {",", "."});
    const std::pair<const char*, QPoint> windows[] = {{"frm2005", {300, 100}}, {"frmej01", {40, 400}}, {"frmej13", {600, 300}}};
    std::vector<ui::FormWidget*> forms;
    for (const auto& [name, corner] : windows) {
        desktop.show(*program.window(name));
        forms.push_back(desktop.widgetOf(*program.window(name)));
        forms.back()->move(corner);
    }
    ui::FormWidget* traced = forms.back();
    auto& exercise = static_cast<const ej::ExerciseWindow&>(traced->logic());
    traced->toggleTrace();
    const QRect area = ScreenOf::available();
    for (int step = 0; step < 2 * int(ui::Zoom::kPercentSteps.size()); ++step) {
        const bool up = step < int(ui::Zoom::kPercentSteps.size());
        up ? desktop.zoom().enlarge() : desktop.zoom().reduce();
        QApplication::processEvents();
        SCOPED_TRACE(testing::Message() << desktop.zoom().percent() << " %");
        for (std::size_t i = 0; i < forms.size(); ++i) {
            const QRect outside = forms[i]->frameGeometry();
            const QPoint corner = windows[i].second;
            // As near its corner as fits, never above or left of the screen's available area.
            EXPECT_EQ(outside.left(), std::max(area.left(), std::min(corner.x(), area.right() + 1 - outside.width())));
            EXPECT_EQ(outside.top(), std::max(area.top(), std::min(corner.y(), area.bottom() + 1 - outside.height())));
        }
        const QRect desk = traced->traceWindow()->frameGeometry();
        EXPECT_TRUE(area.contains(desk));
        if (2 * traced->frameGeometry().width() <= area.width()) {  // room beside it, or below it
            for (const QRect& kept : inSight(traced, exercise)) EXPECT_FALSE(desk.intersects(kept)) << text(kept);
        }
    }
    for (std::size_t i = 0; i < forms.size(); ++i) EXPECT_EQ(forms[i]->pos(), windows[i].second);
}
