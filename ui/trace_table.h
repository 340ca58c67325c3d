#pragma once

#include <QTableView>

namespace ui {

class TraceModel;

// A desk check's table, in the desk check and beside a student's own algorithm: one
// line of plain text a cell, rows of one height, columns as wide as their texts, and
// the newest row in view as rows come. Never edited; its rows are numbered by "N°".
class TraceTable final : public QTableView {
public:
    explicit TraceTable(QWidget* parent);

    // Shows `model`, widening the columns to new rows and scrolling to the newest.
    void follow(TraceModel* model);
    // The width of the first `count` columns, with the frame and a vertical scroll bar.
    int columnsWidth(int count) const;
    // The table in the program's font at its zoom.
    void takeFont(const QFont& font);

private:
    void fitNewRows(int first, int last);
};

}  // namespace ui
