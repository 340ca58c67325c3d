#include "ui/algorithm_pane.h"

#include <QFocusEvent>
#include <QHelpEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>
#include <QStaticText>
#include <QTextBlock>
#include <QToolTip>
#include <algorithm>
#include <cmath>
#include <utility>

#include "ui/enclosing_blocks.h"
#include "ui/focus_frame.h"
#include "ui/pseudocode_highlighter.h"

namespace ui {

namespace {

constexpr int kNoteRoom = 16;  // characters after a line that runs: "×99 → Verdadero"

QString qs(const std::string& s) { return QString::fromStdString(s); }

// The listing's text: the file's lines but the empty one after its last line break.
QString listing(const std::vector<std::string>& lines) {
    QString text;
    const std::size_t shown = !lines.empty() && lines.back().empty() ? lines.size() - 1 : lines.size();
    for (std::size_t i = 0; i < shown; ++i) {
        if (i) text += u'\n';
        text += qs(lines[i]);
    }
    return text;
}

// Columns a line takes, its tabs stopping at every fourth column.
int columns(const QString& line) {
    int column = 0;
    for (const QChar c : line) column = c == u'\t' ? (column / kTabColumns + 1) * kTabColumns : column + 1;
    return column;
}

// Whether a note may follow a line: one that runs, not a blank line or a comment.
bool runs(const QString& line) {
    const QString code = line.trimmed();
    return !code.isEmpty() && !code.startsWith(QStringLiteral("//"));
}

}  // namespace

// Line numbers, the ▶ and the marks of the assigning lines, painted by the pane.
class AlgorithmPane::Margin final : public QWidget {
public:
    explicit Margin(AlgorithmPane* pane) : QWidget(pane), pane_(pane) {}

protected:
    void paintEvent(QPaintEvent* event) override { pane_->paintMargin(event->rect()); }

private:
    AlgorithmPane* pane_;
};

AlgorithmPane::AlgorithmPane(const ej::algorithm::Program& program, const QString& name, QWidget* parent)
    : QPlainTextEdit(parent), program_(program), margin_(new Margin(this)) {
    setAccessibleName(name);
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    setFocusPolicy(Qt::NoFocus);  // like its window: the exercise window keeps the keyboard
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setUndoRedoEnabled(false);
    setPlainText(listing(program.lines));
    frameForFocus(*this);
    colours_ = listingColours(palette());
    highlightPseudocode(document(), palette());
    // Qt frees a line's shaped glyphs once it is drawn, to spare the memory of a long
    // document, and shapes the line again at its next painting: a listing of a few dozen
    // lines keeps them, so that a scroll or a selection costs the drawing alone.
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next())
        block.layout()->setCacheEnabled(true);

    connect(this, &QPlainTextEdit::updateRequest, margin_, [this](const QRect& area, int dy) {
        if (dy)
            margin_->scroll(0, dy);
        else
            margin_->update(0, area.y(), margin_->width(), area.height());
    });
    marks_.lines.resize(program.lines.size());
    for (const auto& line : program.lines) {
        columns_.push_back(columns(qs(line)));
        widest_ = std::max(widest_, columns_.back() + (runs(qs(line)) ? kNoteRoom : 0));
    }
    enclosing_ = enclosingBlocks(program.lines);
    takeFont(font());
}

QString AlgorithmPane::source() const {
    QString text;
    for (std::size_t i = 0; i < program_.lines.size(); ++i) {
        if (i) text += u'\n';
        text += qs(program_.lines[i]);
    }
    return text;
}

// Paints again only the lines whose marks changed, and the margin where the ▶ left and
// where it went: a series of like presses paints nothing at all.
void AlgorithmPane::showMarks(ej::algorithm::Marks marks) {
    if (marks == marks_) return;
    const ej::algorithm::Marks before = std::exchange(marks_, std::move(marks));
    setAccessibleDescription(qs(marks_.spoken()));
    revealed_ = 0;
    keepInView();
    if (before.lines.size() != marks_.lines.size()) {
        viewport()->update();
        margin_->update();
        return;
    }
    forEachLineIn(viewport()->rect(), [&](std::size_t i, const QRectF& r, const QTextBlock&) {
        const QRect line(0, int(r.top()), viewport()->width(), int(r.height()) + 1);
        if (before.lines[i] != marks_.lines[i]) viewport()->update(line);
        const int number = static_cast<int>(i) + 1;
        if (number == before.waiting || number == marks_.waiting)
            margin_->update(0, line.top(), margin_->width(), line.height());
    });
}

int AlgorithmPane::enclosingBlock(int line) const {
    return line >= 1 && line <= int(enclosing_.size()) ? enclosing_[std::size_t(line - 1)] : 0;
}

void AlgorithmPane::markAssignments(int variable) {
    variable_ = variable;
    assigning_ = variable < 0 ? std::vector<int>{} : ej::algorithm::assigningLines(program_, variable);
    viewport()->update();
    margin_->update();
    revealed_ = assigning_.empty() ? 0 : assigning_.front();
    if (revealed_) bringIntoView({revealed_, revealed_});
}

void AlgorithmPane::takeFont(const QFont& font) {
    useListingFont(*this, font);
    margin_->setFont(this->font());
    laidOut_.clear();
    text_ = QPixmap();
    lineHeight_ = 0;
    setViewportMargins(marginWidth(), 0, 0, 0);
}

int AlgorithmPane::marginWidth() const {
    const QFontMetrics m(font());
    int digits = 1;
    for (auto n = program_.lines.size(); n >= 10; n /= 10) ++digits;
    return m.height() + digits * m.horizontalAdvance(u'9') + m.horizontalAdvance(u' ');
}

int AlgorithmPane::naturalWidth() const {
    const QFontMetrics m(font());
    return marginWidth() + widest_ * m.horizontalAdvance(u' ') + 2 * int(document()->documentMargin()) +
           2 * frameWidth() + verticalScrollBar()->sizeHint().width();
}

int AlgorithmPane::heightFor(int lines) const {
    return int(std::ceil(lines * lineHeight() + 2 * document()->documentMargin())) + 2 * frameWidth() +
           horizontalScrollBar()->sizeHint().height();
}

void AlgorithmPane::resizeEvent(QResizeEvent* event) {
    QPlainTextEdit::resizeEvent(event);
    const QRect r = contentsRect();
    margin_->setGeometry(r.left(), r.top(), marginWidth(), r.height());
    // Qt lays a line out again after a change of width only as it comes into view: laid
    // out here, the line costs the resize, not the press whose event scrolls to it.
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next())
        if (block.layout()->lineCount() == 0) blockBoundingRect(block);
    // As it opens, once it knows its height, and as it grows or shrinks.
    if (revealed_)
        bringIntoView({revealed_, revealed_});
    else
        keepInView();
}

// Every line of the listing is one line of one font high.
qreal AlgorithmPane::lineHeight() const {
    if (lineHeight_ <= 0) lineHeight_ = blockBoundingRect(document()->firstBlock()).height();
    return lineHeight_;
}

// Whole lines, the first one below the document's margin when the listing is at its top.
int AlgorithmPane::linesInView() const {
    return std::max(1, int((viewport()->height() - document()->documentMargin()) / lineHeight()));
}

// Each line of the listing that meets `area` of the viewport, with its rectangle there,
// stacked from the first line in view as the text itself is painted.
template <class Paint>
void AlgorithmPane::forEachLineIn(const QRect& area, Paint paint) const {
    const QTextBlock firstInView = firstVisibleBlock();
    if (!firstInView.isValid()) return;
    QRectF r(QPointF(0, contentOffset().y()), QSizeF(viewport()->width(), lineHeight()));
    for (QTextBlock block = firstInView; block.isValid() && r.top() <= area.bottom(); block = block.next()) {
        const auto index = static_cast<std::size_t>(block.blockNumber());
        if (r.bottom() >= area.top() && index < marks_.lines.size()) paint(index, r, block);
        r.translate(0, r.height());
    }
}

// The lines in view, drawn once over a transparent ground: drawing them again at each
// event would cost several times what marking it does, while copying the few lines
// whose marks changed costs next to nothing. A scroll moves what is drawn and draws
// only the lines it brings into view: by the pixels the text moved, which at the top
// include the document's margin above the first line.
const QPixmap& AlgorithmPane::textInView() const {
    const QPoint at(horizontalScrollBar()->value(),
                    int(std::lround(verticalScrollBar()->value() * lineHeight() - contentOffset().y())));
    const qreal ratio = viewport()->devicePixelRatioF();
    const QSize size = viewport()->size() * ratio;
    const int moved = textAt_.y() - at.y();  // downwards, in the viewport's pixels
    const qreal shift = moved * ratio;
    const bool shiftable =
        shift == std::floor(shift) && at.x() == textAt_.x() && std::abs(moved) < viewport()->height();
    QRect stale = viewport()->rect();
    if (!text_.isNull() && text_.size() == size && shiftable) {
        if (!moved) return text_;
        text_.scroll(0, int(shift), text_.rect());
        stale = moved > 0 ? QRect(0, 0, viewport()->width(), moved)
                          : QRect(0, viewport()->height() + moved, viewport()->width(), -moved);
    } else {
        text_ = QPixmap(size);
        text_.setDevicePixelRatio(ratio);
        text_.fill(Qt::transparent);  // which gives the pixmap its alpha channel
    }
    textAt_ = at;
    QPainter p(&text_);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(stale, Qt::transparent);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.setClipRect(stale);
    p.setFont(font());
    p.setPen(palette().color(QPalette::Text));
    const qreal left = contentOffset().x();
    forEachLineIn(stale, [&](std::size_t, const QRectF& r, const QTextBlock& block) {
        if (block.layout()->lineCount() == 0) blockBoundingRect(block);  // lays out a line not shown before
        block.layout()->draw(&p, QPointF(left, r.top()));
    });
    return text_;
}

// A note laid out once: the notes of a series of presses repeat.
const QStaticText& AlgorithmPane::laidOut(const QString& text) const {
    constexpr qsizetype kKept = 512;  // far more than the notes in view
    if (auto it = laidOut_.constFind(text); it != laidOut_.cend()) return *it;
    if (laidOut_.size() >= kKept) laidOut_.clear();
    QStaticText laid(text);
    laid.setTextFormat(Qt::PlainText);
    laid.prepare(QTransform(), font());
    return *laidOut_.insert(text, laid);
}

// The tint under the lines that ran, the text over it, then the notes after the lines.
// While the mouse selects, Qt draws the text, with the selection.
void AlgorithmPane::paintEvent(QPaintEvent* event) {
    const bool selecting = textCursor().hasSelection();
    {
        QPainter p(viewport());
        forEachLineIn(event->rect(), [&](std::size_t i, const QRectF& r, const QTextBlock&) {
            if (const QColor* tint = tintOf(i)) p.fillRect(r, *tint);
        });
        if (!selecting) p.drawPixmap(QPointF(0, 0), textInView());
    }
    if (selecting) QPlainTextEdit::paintEvent(event);
    QPainter p(viewport());
    p.setFont(font());  // the viewport keeps the font it had before a zoom
    const QFontMetrics m(font());
    const qreal column = QFontMetricsF(font()).horizontalAdvance(u' '), gap = 2 * column;
    const qreal left = contentOffset().x() + document()->documentMargin();
    forEachLineIn(event->rect(), [&](std::size_t i, const QRectF& r, const QTextBlock&) {
        const auto& line = marks_.lines[i];
        if (line.tally.empty() && line.message.empty()) return;
        // A fixed-width font: the line ends after its columns.
        qreal x = left + columns_[i] * column + gap;
        const qreal top = r.top();
        if (!line.tally.empty()) {
            const QStaticText& tally = laidOut(qs(line.tally));
            p.setPen(colours_.note);
            p.drawStaticText(QPointF(x, top), tally);
            x += tally.size().width() + gap;
        }
        if (!line.message.empty()) {
            // A long message ends where the pane does; its tooltip and the description hold it whole.
            p.setPen(colours_.message);
            const int room = std::max(0, viewport()->width() - int(x));
            p.drawStaticText(QPointF(x, top), laidOut(m.elidedText(qs(line.message), Qt::ElideRight, room)));
        }
    });
    if (hasFocus() && !selecting) p.fillRect(cursorRect(), colours_.text);  // where the arrow keys go on from
}

// A line the event ran, a line that gives the marked variable its value, or both.
const QColor* AlgorithmPane::tintOf(std::size_t line) const {
    const bool ran = marks_.lines[line].ran;
    const bool assigns = std::binary_search(assigning_.begin(), assigning_.end(), static_cast<int>(line) + 1);
    return ran && assigns ? &colours_.ranAndAssigned : ran ? &colours_.ran : assigns ? &colours_.assigned : nullptr;
}

void AlgorithmPane::paintMargin(const QRect& area) {
    QPainter p(margin_);
    p.fillRect(area, palette().color(QPalette::Window));
    const QFontMetrics m(font());
    const int arrow = m.height();  // the ▶'s column, left of the numbers
    const int right = margin_->width() - m.horizontalAdvance(u' ') / 2;
    QFont bold = font();
    bold.setBold(true);
    forEachLineIn(area, [&](std::size_t i, const QRectF& r, const QTextBlock&) {
        const int line = static_cast<int>(i) + 1;
        const QRectF number(arrow, r.top(), right - arrow, r.height());
        const bool assigns = std::binary_search(assigning_.begin(), assigning_.end(), line);
        if (assigns) p.fillRect(number.adjusted(-2, 0, 2, 0), colours_.assigned);
        p.setFont(assigns ? bold : font());
        p.setPen(assigns ? colours_.text : colours_.note);
        p.drawText(number, Qt::AlignRight | Qt::AlignVCenter, QString::number(line));
        if (line == marks_.waiting) {
            const qreal h = r.height() * 0.6, top = r.top() + (r.height() - h) / 2, left = arrow * 0.2;
            QPainterPath triangle;
            triangle.moveTo(left, top);
            triangle.lineTo(left + h * 0.87, top + h / 2);
            triangle.lineTo(left, top + h);
            triangle.closeSubpath();
            p.setRenderHint(QPainter::Antialiasing);
            p.fillPath(triangle, colours_.arrow);
            p.setRenderHint(QPainter::Antialiasing, false);
        }
    });
}

// Scrolls as little as it takes to show the lines of the event, its ▶ and the line that
// opens the loop or decision around the ▶. When they do not all fit, the ▶ and that line
// come first; without a ▶ (a pass of a loop), the line that ran first goes to the top,
// where a reader starts.
void AlgorithmPane::keepInView() {
    std::vector<int> waits;  // the ▶'s line and its block's
    if (marks_.waiting) {
        waits.push_back(marks_.waiting);
        if (const int opening = enclosingBlock(marks_.waiting)) waits.push_back(opening);
    }
    std::vector<int> lines = marks_.ranLines();
    lines.insert(lines.end(), waits.begin(), waits.end());
    if (lines.empty()) return;
    const auto [low, high] = std::minmax_element(lines.begin(), lines.end());
    if (*high - *low < linesInView() || marks_.firstRun == 0) return bringIntoView({*low, *high});
    if (waits.empty()) return bringIntoView({std::max(1, marks_.firstRun - 1), 0, true});
    const auto [opening, waiting] = std::minmax_element(waits.begin(), waits.end());
    bringIntoView({*opening, *waiting});
}

// Scrolls as little as it takes to show the lines asked for, or as many of them as fit,
// the last at the bottom; or puts the first at the top.
void AlgorithmPane::bringIntoView(InView wanted) {
    QScrollBar* bar = verticalScrollBar();
    const int top = bar->value(), shown = linesInView();  // lines top + 1 to top + shown are in view
    if (wanted.atTop)
        bar->setValue(wanted.first - 1);
    else if (wanted.last - wanted.first >= shown || wanted.last > top + shown)
        bar->setValue(wanted.last - shown);
    else if (wanted.first <= top)
        bar->setValue(wanted.first - 1);
}

// Reached from the keyboard (F6, then Tab): the caret goes to the line where the run
// waits, and the arrow keys go on from there. It moves once the pane has the focus: a
// screen reader reads the line the caret moves to in the focused text, but takes a caret
// that moves before the focus for a sign that the focus is already there, and says
// nothing of the pane.
void AlgorithmPane::focusInEvent(QFocusEvent* event) {
    QPlainTextEdit::focusInEvent(event);
    if (event->reason() == Qt::MouseFocusReason || marks_.waiting == 0) return;
    QMetaObject::invokeMethod(this, [this] {
        if (hasFocus()) setTextCursor(QTextCursor(document()->findBlockByNumber(marks_.waiting - 1)));
    }, Qt::QueuedConnection);
}

bool AlgorithmPane::event(QEvent* event) {
    const bool handled = QPlainTextEdit::event(event);
    followFocus(*this, *event);
    return handled;
}

bool AlgorithmPane::viewportEvent(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QPlainTextEdit::viewportEvent(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const auto line = static_cast<std::size_t>(cursorForPosition(help->pos()).blockNumber());
    const std::string note = line < marks_.lines.size() ? marks_.lines[line].note() : std::string();
    if (note.empty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), qs(note), viewport());
    return true;
}

}  // namespace ui
