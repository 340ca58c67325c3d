#pragma once

#include <QWidget>
#include <string>

#include "engine/solution/check.h"

class QSplitter;

namespace ui {

class TraceModel;
class TraceTable;

// "Lado a lado - Ejercicio NN": the series that showed a difference, typed into a fresh
// exercise window with the student's algorithm beside it: the window's desk check and
// the student's, each up to the press where they first differ, that row marked in both.
class SideBySideWindow final : public QWidget {
public:
    SideBySideWindow(ej::solution::Replayed replayed, const std::string& exerciseCaption, QWidget* parent);

    const TraceModel& windowTable() const { return *windowModel_; }
    const TraceModel& studentTable() const { return *studentModel_; }
    // The event row (from 0) marked in each.
    int windowRow() const;
    int studentRow() const;
    void takeFont(const QFont& font);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    ej::solution::Replayed replayed_;
    TraceModel* windowModel_;
    TraceModel* studentModel_;
    TraceTable* windowTable_;
    TraceTable* studentTable_;
    QSplitter* split_;
};

}  // namespace ui
