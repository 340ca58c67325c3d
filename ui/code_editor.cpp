#include "ui/code_editor.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QTextBlock>
#include <QToolTip>
#include <algorithm>

#include "ui/listing_style.h"
#include "ui/pseudocode_highlighter.h"

namespace ui {

class CodeEditor::Gutter final : public QWidget {
public:
    explicit Gutter(CodeEditor* editor) : QWidget(editor), editor_(editor) {}

protected:
    void paintEvent(QPaintEvent* event) override { editor_->paintGutter(event->rect()); }

private:
    CodeEditor* editor_;
};

CodeEditor::CodeEditor(QWidget* parent) : QPlainTextEdit(parent), gutter_(new Gutter(this)) {
    setLineWrapMode(QPlainTextEdit::NoWrap);
    const QPalette p = palette();
    ranTint_ = ranTint(p);
    differenceTint_ = differenceTint(p);
    error_ = isDark(p) ? QColor(0xff, 0x6e, 0x6e) : QColor(0xd3, 0x2f, 0x2f);
    number_ = blend(p.color(QPalette::Base), p.color(QPalette::Text), 0.55);
    highlightPseudocode(document(), p);
    connect(this, &QPlainTextEdit::blockCountChanged, this, [this] { setViewportMargins(gutterWidth(), 0, 0, 0); });
    connect(this, &QPlainTextEdit::updateRequest, gutter_, [this](const QRect& area, int dy) {
        if (dy)
            gutter_->scroll(0, dy);
        else
            gutter_->update(0, area.y(), gutter_->width(), area.height());
    });
    takeFont(font());
}

void CodeEditor::takeFont(const QFont& font) {
    useListingFont(*this, font);
    gutter_->setFont(this->font());
    setViewportMargins(gutterWidth(), 0, 0, 0);
}

int CodeEditor::gutterWidth() const {
    int digits = 2;
    for (int n = blockCount(); n >= 100; n /= 10) ++digits;
    const QFontMetrics m(font());
    return (digits + 1) * m.horizontalAdvance(u'9');
}

void CodeEditor::resizeEvent(QResizeEvent* event) {
    QPlainTextEdit::resizeEvent(event);
    const QRect r = contentsRect();
    gutter_->setGeometry(r.left(), r.top(), gutterWidth(), r.height());
}

void CodeEditor::paintGutter(const QRect& area) {
    QPainter p(gutter_);
    p.fillRect(area, palette().color(QPalette::Window));
    QFont bold = font();
    bold.setBold(true);
    const int right = gutter_->width() - fontMetrics().horizontalAdvance(u'9') / 2;
    for (QTextBlock block = firstVisibleBlock(); block.isValid(); block = block.next()) {
        const QRectF r = blockBoundingGeometry(block).translated(contentOffset());
        if (r.top() > area.bottom()) break;
        const int line = block.blockNumber() + 1;
        const QRect number(0, int(r.top()), right, fontMetrics().height());
        const bool faulty = std::binary_search(errorLines_.begin(), errorLines_.end(), line);
        if (line == differenceLine_) p.fillRect(QRect(0, number.top(), gutter_->width(), number.height()), differenceTint_);
        p.setFont(faulty ? bold : font());
        p.setPen(faulty ? error_ : number_);
        p.drawText(number, Qt::AlignRight | Qt::AlignVCenter, QString::number(line));
    }
}

// A column counts characters, as the compiler does: a character outside the Basic
// Multilingual Plane is two units of a QString.
QTextCursor CodeEditor::cursorAt(int line, int column) const {
    const QTextBlock block = document()->findBlockByNumber(std::max(0, line - 1));
    if (!block.isValid()) {
        QTextCursor end(document());
        end.movePosition(QTextCursor::End);
        return end;
    }
    const QString text = block.text();
    qsizetype at = 0;
    for (int c = 1; c < column && at < text.size(); ++c) at += text[at].isHighSurrogate() && at + 1 < text.size() ? 2 : 1;
    QTextCursor cursor(document());
    cursor.setPosition(block.position() + int(at));
    return cursor;
}

void CodeEditor::goTo(int line, int column) {
    setTextCursor(cursorAt(line, column));
    ensureCursorVisible();
}

void CodeEditor::showErrors(const std::vector<ej::algorithm::Diagnostic>& errors) {
    errors_.clear();
    errorTexts_.clear();
    errorLines_.clear();
    QTextCharFormat wavy;
    wavy.setUnderlineStyle(QTextCharFormat::WaveUnderline);
    wavy.setUnderlineColor(error_);
    for (const auto& e : errors) {
        QTextCursor mark = cursorAt(e.span.begin.line, e.span.begin.column);
        const QTextBlock block = mark.block();
        const int lineEnd = block.position() + block.length() - 1;
        if (mark.position() >= lineEnd && lineEnd > block.position()) mark.setPosition(lineEnd - 1);
        const QTextCursor end = cursorAt(e.span.end.line, e.span.end.column);
        const bool sameLine = end.blockNumber() == block.blockNumber();
        mark.setPosition(std::min(lineEnd, sameLine && end.position() > mark.position() ? end.position() : mark.position() + 1),
                         QTextCursor::KeepAnchor);
        errors_.append({mark, wavy});
        errorTexts_ << QString::fromStdString(e.message);
        errorLines_.push_back(e.span.begin.line);
    }
    std::sort(errorLines_.begin(), errorLines_.end());
    refresh();
}

void CodeEditor::showRun(const std::vector<int>& ran, int differenceLine) {
    const auto wholeLines = [this](const std::vector<int>& lines, const QColor& tint) {
        QList<QTextEdit::ExtraSelection> marks;
        for (int line : lines) {
            const QTextBlock block = document()->findBlockByNumber(line - 1);
            if (!block.isValid()) continue;
            QTextEdit::ExtraSelection mark{QTextCursor(block), {}};
            mark.format.setBackground(tint);
            mark.format.setProperty(QTextFormat::FullWidthSelection, true);
            marks.append(mark);
        }
        return marks;
    };
    ran_ = wholeLines(ran, ranTint_);
    difference_ = wholeLines(differenceLine > 0 ? std::vector<int>{differenceLine} : std::vector<int>{}, differenceTint_);
    differenceLine_ = differenceLine;
    refresh();
}

// The tints under the text, the faults' underlines over them.
void CodeEditor::refresh() {
    setExtraSelections(ran_ + difference_ + errors_);
    gutter_->update();
}

void CodeEditor::keyPressEvent(QKeyEvent* event) {
    const bool control = event->modifiers() & Qt::ControlModifier;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        if (control) return event->ignore();  // the window's: Comprobar
        // The new line starts where the one it breaks starts: its tabs, up to the caret.
        QTextCursor cursor = textCursor();
        const QString line = cursor.block().text();
        qsizetype indent = 0;
        while (indent < line.size() && indent < cursor.positionInBlock() && (line[indent] == u'\t' || line[indent] == u' '))
            ++indent;
        cursor.insertText(QLatin1Char('\n') + line.left(indent));
        setTextCursor(cursor);
        return ensureCursorVisible();
    }
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        // Tab indents; Ctrl+Tab leaves the text, as in any editor that takes Tab.
        if (control) {
            QWidget::focusNextPrevChild(event->key() == Qt::Key_Tab && !(event->modifiers() & Qt::ShiftModifier));
            return;
        }
        break;
    default:
        break;
    }
    QPlainTextEdit::keyPressEvent(event);
}

// Over an underlined fault, its message.
bool CodeEditor::viewportEvent(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QPlainTextEdit::viewportEvent(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const int at = cursorForPosition(help->pos()).position();
    for (qsizetype i = 0; i < errors_.size(); ++i) {
        if (errors_[i].cursor.selectionStart() <= at && at <= errors_[i].cursor.selectionEnd()) {
            QToolTip::showText(help->globalPos(), errorTexts_[i], viewport());
            return true;
        }
    }
    QToolTip::hideText();
    return true;
}

}  // namespace ui
