#pragma once

#include <QHash>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QStaticText>
#include <vector>

#include "engine/algorithm/marks.h"
#include "engine/algorithm/program.h"
#include "ui/listing_style.h"

namespace ui {

// An exercise's algorithm beside its desk check, read-only and selectable: numbered
// lines in a fixed-width font, tabs four columns wide, and the marks of the event shown
// (the lines it ran tinted, a note at the end of a line, the ▶ in the margin where the
// run waits) and, when asked, the lines that give one variable its value, tinted too.
// After each event it shows the ▶ with the loop or decision around it. The lines in
// view are drawn once; an event repaints only the lines whose marks changed, the marks
// painted under and after the text, and marks equal to those shown change nothing.
class AlgorithmPane final : public QPlainTextEdit {
public:
    // `name` is what a screen reader calls it; the marks reach it as the description.
    AlgorithmPane(const ej::algorithm::Program& program, const QString& name, QWidget* parent);

    const ej::algorithm::Program& program() const { return program_; }
    const ej::algorithm::Marks& marks() const { return marks_; }
    // The lines marked as giving the marked variable its value.
    const std::vector<int>& assigning() const { return assigning_; }
    int markedVariable() const { return variable_; }
    // The line that opens the loop or decision holding `line`; 0 for none.
    int enclosingBlock(int line) const;
    // The colours it is drawn in.
    const ListingColours& colours() const { return colours_; }
    // The algorithm exactly as its file holds it.
    QString source() const;

    void showMarks(ej::algorithm::Marks marks);
    // Marks the lines that give a variable its value, and shows the first; -1 for none.
    void markAssignments(int variable);
    // The listing in a fixed-width font as large as `font`.
    void takeFont(const QFont& font);
    // Room for the margin and the longest line, one that runs with a short note after it.
    int naturalWidth() const;
    // Room for `lines` lines, the frame and a horizontal scroll bar.
    int heightFor(int lines) const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    class Margin;

    qreal lineHeight() const;
    int linesInView() const;
    template <class Paint>
    void forEachLineIn(const QRect& area, Paint paint) const;
    const QStaticText& laidOut(const QString& text) const;
    const QPixmap& textInView() const;
    const QColor* tintOf(std::size_t line) const;
    void paintMargin(const QRect& area);
    int marginWidth() const;
    // Lines `first` to `last` in view, or `first` at the top.
    struct InView {
        int first = 0, last = 0;
        bool atTop = false;
    };
    void keepInView();
    void bringIntoView(InView wanted);

    const ej::algorithm::Program& program_;
    ej::algorithm::Marks marks_;
    std::vector<int> assigning_;
    int variable_ = -1;
    Margin* margin_;
    ListingColours colours_;
    mutable QHash<QString, QStaticText> laidOut_;  // the notes, in the pane's font
    mutable QPixmap text_;                         // the lines in view
    mutable QPoint textAt_;                        // the scrolling they were drawn at, in pixels
    mutable qreal lineHeight_ = 0;                 // every line's, in the pane's font
    std::vector<int> columns_;                     // each line's, its tabs expanded
    std::vector<int> enclosing_;                   // each line's loop or decision
    int revealed_ = 0;  // the first line that assigns the marked variable, shown since its header's click
    int widest_ = 0;  // the widest line's columns, a line that runs with a note's room
};

}  // namespace ui
