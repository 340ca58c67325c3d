#pragma once

#include <QColor>
#include <QList>
#include <QPlainTextEdit>
#include <QStringList>
#include <vector>

#include "engine/algorithm/diagnostic.h"

namespace ui {

// A student's algorithm as they write it: numbered lines, the desk check's colours for
// its words, the listing's fixed-width font with tabs four columns wide, and Enter
// keeping the line's indentation. It shows what the program makes of the text: its
// faults underlined where they are, and, from the student's desk check, the lines a
// press ran tinted as in the desk check, and the line of the first difference.
class CodeEditor final : public QPlainTextEdit {
public:
    explicit CodeEditor(QWidget* parent);

    void takeFont(const QFont& font);
    // Underlines each fault from its beginning to its end on its line, at least one
    // character, and writes its line's number in red.
    void showErrors(const std::vector<ej::algorithm::Diagnostic>& errors);
    // Tints the lines (from 1) a press ran, and the line of the first difference (0 for none).
    void showRun(const std::vector<int>& ran, int differenceLine);
    // The caret at a line and a column, both from 1, the column in characters.
    void goTo(int line, int column);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    class Gutter;

    QTextCursor cursorAt(int line, int column) const;
    int gutterWidth() const;
    void paintGutter(const QRect& area);
    void refresh();

    Gutter* gutter_;
    QList<QTextEdit::ExtraSelection> ran_, difference_, errors_;
    QStringList errorTexts_;  // each underline's message, for its tooltip
    std::vector<int> errorLines_;
    int differenceLine_ = 0;
    QColor ranTint_, differenceTint_, error_, number_;
};

}  // namespace ui
