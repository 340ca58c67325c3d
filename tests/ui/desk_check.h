// An exercise window with its desk check open, as the desk check's tests drive it: the
// program running, the window shown at the screen's top-left corner, values entered as
// a student enters them, and the desk check's parts at hand.
#pragma once

#include <QApplication>
#include <QHeaderView>
#include <QTest>
#include <QTextBlock>
#include <initializer_list>
#include <string>

#include "tests/ui/windows_on_screen.h"
#include "ui/algorithm_pane.h"
#include "ui/trace_model.h"
#include "ui/trace_window.h"
#include "ui/zoom.h"

namespace test {

struct DeskCheck {
    Running running;
    ui::FormWidget* form;
    ej::ExerciseWindow& exercise;
    ui::TraceWindow* trace = nullptr;

    explicit DeskCheck(const std::string& window, int percent = 100)
        : form(running.show(window)), exercise(running.exercise(window)) {
        running.desktop.zoom().setPercent(percent);
        form->move(ScreenOf::available().topLeft());
        form->toggleTrace();
        QApplication::processEvents();
        trace = form->traceWindow();
    }
    ~DeskCheck() { running.desktop.zoom().setPercent(100); }

    void enter(std::initializer_list<const char*> values) {
        for (const char* value : values) exercise.type(value);
        QApplication::processEvents();
    }
    ui::AlgorithmPane& pane() const { return const_cast<ui::AlgorithmPane&>(*trace->pane()); }
    ui::TraceTable& table() const { return *trace->table(); }
    const ui::TraceModel& model() const { return trace->model(); }

    // Line L of the algorithm in the pane's viewport.
    QRect line(int number) const {
        return pane().cursorRect(QTextCursor(pane().document()->findBlockByNumber(number - 1)));
    }
    bool inView(int number) const {
        if (!pane().document()->findBlockByNumber(number - 1).isValid()) return false;
        const QRect r = line(number);
        return r.top() >= 0 && r.bottom() < pane().viewport()->height();
    }
    int column(const QString& header) const {
        for (int c = 0; c < model().columnCount(); ++c)
            if (model().headerData(c, Qt::Horizontal, Qt::DisplayRole).toString() == header) return c;
        return -1;
    }
    // A click on a column's header, or on a row's first cell (rows from 1, as "N°").
    void clickHeader(const QString& header) const {
        QHeaderView* h = table().horizontalHeader();
        const int c = column(header);
        table().scrollTo(model().index(0, c));
        QTest::mouseClick(h->viewport(), Qt::LeftButton, {},
                          QPoint(h->sectionViewportPosition(c) + h->sectionSize(c) / 2, h->height() / 2));
        QApplication::processEvents();
    }
    void clickRow(int row) const {
        const QModelIndex at = model().index(model().firstEventRow() + row - 1, 0);
        table().scrollTo(at);
        QTest::mouseClick(table().viewport(), Qt::LeftButton, {}, table().visualRect(at).center());
        QApplication::processEvents();
    }
};

}  // namespace test
