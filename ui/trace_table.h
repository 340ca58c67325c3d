#pragma once

#include <QList>
#include <QString>
#include <QTableView>
#include <vector>

namespace ui {

class TraceModel;

// A piece of a cell's text, drawn in bold or not.
struct TextRun {
    QString text;
    bool bold = false;
};

// A vector's text as its cell draws it: each element in bold where `changed` says it
// changed since the row before, the blanks between elements plain.
std::vector<TextRun> vectorRuns(const QString& text, const QList<bool>& changed);

// A desk check's table, in the desk check and beside a student's own algorithm: one
// line of plain text a cell, rows of one height, columns as wide as their texts, and
// the newest row in view as rows come. Never edited; its rows are numbered by "N°". The
// row selected is tinted as the lines of its event are; of a vector, only the elements
// that changed are bold. Short of room, "Resultado" is cut first, with "…", its text
// whole in its tooltip, so that the variables stay in view.
class TraceTable final : public QTableView {
public:
    explicit TraceTable(QWidget* parent);

    // Shows `model`, widening the columns to new rows and scrolling to the newest.
    void follow(TraceModel* model);
    // The width of the first `count` columns as wide as their texts, with the frame and a
    // vertical scroll bar.
    int columnsWidth(int count) const;
    // The table in the program's font at its zoom.
    void takeFont(const QFont& font);
    // Widens a column to its header, which a mark may have made bold.
    void fitHeader(int column);

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitColumns();
    void fitNewRows(int first, int last);
    void fitResultToView();
    int naturalWidth(int column) const;

    int resultWidth_ = 0;  // "Resultado" as wide as its texts
};

}  // namespace ui
