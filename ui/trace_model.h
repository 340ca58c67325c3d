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
// how many. With the window's algorithm, a variable's header explains it as a tooltip
// (its type and the lines that assign it), and a vector's cell tells which of its
// elements changed since the row before.
class TraceModel final : public QAbstractTableModel {
public:
    static constexpr int kResultColumn = 2;  // "Resultado"; the dropped-rows note stands there too
    // A vector's cell: a QList<bool>, whether each element changed since the row before.
    static constexpr int kChangedElementsRole = Qt::UserRole + 1;

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
    // Marks a column's header: its text in `font` over `tint`; -1 for none.
    void markColumn(int column, const QColor& tint, const QFont& font);
    int markedColumn() const { return markedColumn_; }
    // The algorithm's variable a column shows, as an index of its variables; -1 for none.
    int variableOf(int column) const;

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
    int markedColumn_ = -1;
    QColor columnTint_;
    QFont columnFont_;
};

}  // namespace ui
