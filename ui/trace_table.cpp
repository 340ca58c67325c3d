#include "ui/trace_table.h"

#include <QFontMetricsF>
#include <QHash>
#include <QHeaderView>
#include <QHelpEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStaticText>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QToolTip>
#include <algorithm>
#include <span>

#include "ui/focus_frame.h"
#include "ui/listing_style.h"
#include "ui/trace_model.h"

namespace ui {

std::vector<TextRun> vectorRuns(const QString& text, const QList<bool>& changed) {
    std::vector<TextRun> runs;
    qsizetype element = 0;
    for (qsizetype at = 0; at < text.size();) {
        const bool blank = text[at] == u' ';
        qsizetype end = at;
        while (end < text.size() && (text[end] == u' ') == blank) ++end;
        const bool bold = !blank && element < changed.size() && changed[element];
        if (!blank) ++element;
        if (!runs.empty() && runs.back().bold == bold)
            runs.back().text += text.mid(at, end - at);
        else
            runs.push_back({text.mid(at, end - at), bold});
        at = end;
    }
    return runs;
}

namespace {

// Paints a cell as one line of plain text, a vector's changed elements in bold. The table
// repaints every cell in view at each new row; the style's general item painting (icons,
// check boxes, several lines) and laying the same texts out again would cost several
// times as much as drawing them, so the laid-out texts of the cells in view are kept.
class PlainCells final : public QStyledItemDelegate {
public:
    explicit PlainCells(QWidget* view)
        : QStyledItemDelegate(view), selected_(listingColours(view->palette()).ran),
          margin_(view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const bool selected = option.state & QStyle::State_Selected;  // the row whose event the algorithm shows
        const QVariant tint = index.data(Qt::BackgroundRole);          // a row marked by its model
        if (selected)
            painter->fillRect(option.rect, selected_);
        else if (tint.isValid())
            painter->fillRect(option.rect, tint.value<QColor>());
        const QRect room = option.rect.adjusted(margin_, 0, -margin_, 0);
        const QString text = index.data(Qt::DisplayRole).toString();
        const QVariant elements = index.data(TraceModel::kChangedElementsRole);
        if (elements.isValid())
            return paintRuns(painter, option, index, room, vectorRuns(text, elements.value<QList<bool>>()));
        const bool bold = isBold(index);
        const QFont font = fontOf(option, bold);
        const bool cutShort = cut(text, font, room.width());
        const TextRun whole{cutShort ? QFontMetrics(font).elidedText(text, Qt::ElideRight, room.width()) : text, bold};
        paintRuns(painter, option, index, room, {&whole, 1});
    }

    // A text cut to its column shows whole in its tooltip.
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override {
        const QString text = index.data(Qt::DisplayRole).toString();
        const bool cutShort = cut(text, fontOf(option, isBold(index)), option.rect.width() - 2 * margin_);
        if (event->type() != QEvent::ToolTip || !cutShort)
            return QStyledItemDelegate::helpEvent(event, view, option, index);
        QToolTip::showText(event->globalPos(), text, view->viewport(), option.rect);
        return true;
    }

private:
    struct Laid {
        QStaticText text;
        qreal width;  // its advance, blanks included
    };
    static constexpr qsizetype kKeptTexts = 4096;  // far more than the cells in view

    static bool isBold(const QModelIndex& index) {
        const QVariant font = index.data(Qt::FontRole);
        return font.isValid() && font.value<QFont>().bold();
    }
    static QFont fontOf(const QStyleOptionViewItem& option, bool bold) {
        QFont font = option.font;
        font.setBold(bold);
        return font;
    }
    bool cut(const QString& text, const QFont& font, int room) const { return laidOut(text, font).width > room; }

    // The pieces of a cell's text one after the other, as its alignment puts them while
    // they fit; a vector in a column narrowed by hand is clipped.
    void paintRuns(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index, const QRect& room,
                   std::span<const TextRun> runs) const {
        const QFont fonts[2] = {fontOf(option, false), fontOf(option, true)};
        qreal width = 0;
        for (const TextRun& run : runs) width += laidOut(run.text, fonts[run.bold]).width;
        const auto alignment = Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt());
        qreal x = alignment & Qt::AlignRight && width <= room.width() ? room.right() + 1 - width : room.left();
        const bool overflows = width > room.width();
        const QFont before = painter->font();
        if (overflows) {
            painter->save();
            painter->setClipRect(option.rect, Qt::IntersectClip);
        }
        painter->setPen(option.palette.color(QPalette::Text));
        for (const TextRun& run : runs) {
            const Laid& laid = laidOut(run.text, fonts[run.bold]);
            painter->setFont(fonts[run.bold]);
            const qreal top = room.top() + (room.height() - laid.text.size().height()) / 2;
            painter->drawStaticText(QPointF(x, top), laid.text);
            x += laid.width;
        }
        if (overflows) painter->restore();
        painter->setFont(before);
    }

    const Laid& laidOut(const QString& text, const QFont& font) const {
        if (font.pixelSize() != keptSize_) {  // the zoom changed: every text anew
            kept_[0].clear();
            kept_[1].clear();
            keptSize_ = font.pixelSize();
        }
        auto& kept = kept_[font.bold()];
        if (auto it = kept.constFind(text); it != kept.cend()) return *it;
        if (kept.size() >= kKeptTexts) kept.clear();
        QStaticText laid(text);
        laid.setTextFormat(Qt::PlainText);
        laid.prepare(QTransform(), font);
        return *kept.insert(text, {laid, QFontMetricsF(font).horizontalAdvance(text)});
    }

    QColor selected_;
    int margin_;
    mutable QHash<QString, Laid> kept_[2];  // plain, bold
    mutable int keptSize_ = 0;
};

}  // namespace

TraceTable::TraceTable(QWidget* parent) : QTableView(parent) {
    setItemDelegate(new PlainCells(this));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    frameForFocus(*this);
    // Not stretched: a last column stretched to a table narrower than its columns shrinks
    // below its header.
    horizontalHeader()->setStretchLastSection(false);
    // A selected row would draw every header in bold, wider than its column.
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->hide();  // "N°" numbers the rows
    // Rows of one height: a new row never makes the table measure the others.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
}

void TraceTable::follow(TraceModel* model) {
    setModel(model);
    connect(model, &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex&, int first, int last) {
        fitNewRows(first, last);
        scrollToBottom();
    });
    connect(model, &QAbstractItemModel::modelReset, this, [this] {
        fitColumns();
        scrollToBottom();
    });
    fitColumns();
}

int TraceTable::naturalWidth(int column) const {
    return column == TraceModel::kResultColumn ? std::max(resultWidth_, columnWidth(column)) : columnWidth(column);
}

int TraceTable::columnsWidth(int count) const {
    int width = 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < std::min(count, model() ? model()->columnCount() : 0); ++c) width += naturalWidth(c);
    return width;
}

void TraceTable::takeFont(const QFont& font) {
    setFont(font);
    // The header holds the style's own font for its class, which a parent's does not reach.
    horizontalHeader()->setFont(font);
    verticalHeader()->setDefaultSectionSize(QFontMetrics(font).height() + 4);
    fitColumns();
}

void TraceTable::fitHeader(int column) {
    const int wanted = horizontalHeader()->sectionSizeHint(column);
    if (column == TraceModel::kResultColumn) resultWidth_ = std::max(resultWidth_, wanted);
    if (wanted > columnWidth(column)) setColumnWidth(column, wanted);
    fitResultToView();
}

bool TraceTable::event(QEvent* event) {
    const bool handled = QTableView::event(event);
    followFocus(*this, *event);
    return handled;
}

void TraceTable::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    fitResultToView();
}

void TraceTable::fitColumns() {
    resizeColumnsToContents();
    const bool result = model() && model()->columnCount() > TraceModel::kResultColumn;
    resultWidth_ = result ? columnWidth(TraceModel::kResultColumn) : 0;
    fitResultToView();
}

// New rows may be wider than the columns so far: a long message, a longer vector.
void TraceTable::fitNewRows(int first, int last) {
    const int grid = showGrid() ? 1 : 0;
    for (int c = 0; c < model()->columnCount(); ++c) {
        int widest = naturalWidth(c);
        for (int r = first; r <= last; ++r)
            widest = std::max(widest, sizeHintForIndex(model()->index(r, c)).width() + grid);
        if (c == TraceModel::kResultColumn)
            resultWidth_ = widest;
        else if (widest > columnWidth(c))
            setColumnWidth(c, widest);
    }
    fitResultToView();
}

// "Resultado" as wide as its texts where the other columns leave room for it, else as
// wide as they leave, but never narrower than its header.
void TraceTable::fitResultToView() {
    constexpr int result = TraceModel::kResultColumn;
    if (!model() || model()->columnCount() <= result) return;
    int others = 0;
    for (int c = 0; c < model()->columnCount(); ++c)
        if (c != result) others += columnWidth(c);
    const int least = std::min(resultWidth_, horizontalHeader()->sectionSizeHint(result));
    const int width = std::max(least, std::min(resultWidth_, viewport()->width() - others));
    if (width != columnWidth(result)) setColumnWidth(result, width);
}

}  // namespace ui
