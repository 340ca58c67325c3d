#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QFont>
#include <string>
#include <vector>

#include "engine/algorithm/program.h"
#include "engine/trace.h"

namespace ui {

// An exercise window's desk check as a table: a row per event, a column per header.
// It follows the trace as it grows: each new event is one inserted row and, at the
// row cap, the oldest leaves from the top, so a press never rebuilds the table; only
// a clear or a new set of variables does. When rows were dropped, a first row says
// how many. With the window's algorithm, a variable's header tells its type as a tooltip.
class TraceModel final : public QAbstractTableModel {
public:
    explicit TraceModel(const ej::Trace& trace, QObject* parent = nullptr,
                        const ej::algorithm::Program* algorithm = nullptr);

    // Brings the table up to the trace's rows; called after every change of the trace.
    void follow();

    // The table row of event row 1: below the dropped-rows note when it is shown.
    int firstEventRow() const { return noteShown_ ? 1 : 0; }
    int eventRows() const { return rows_; }
    // Tints the table row of an event row (from 0, the trace's own index); -1 for none.
    void markRow(int eventRow, const QColor& tint);
    int markedRow() const { return marked_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    void restart();

    const ej::Trace& trace_;
    const ej::algorithm::Program* algorithm_;
    std::vector<std::string> headers_;
    int rows_ = 0;          // event rows in the table
    long newest_ = 0;       // the number of the newest of them, 0 for none
    bool noteShown_ = false;
    QFont bold_;
    int marked_ = -1;
    QColor tint_;
};

}  // namespace ui
