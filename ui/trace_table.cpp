#include "ui/trace_table.h"

#include <QFontMetrics>
#include <QHash>
#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QStaticText>
#include <QStyle>
#include <QStyledItemDelegate>
#include <algorithm>

#include "ui/trace_model.h"

namespace ui {

namespace {

// Paints a cell as one line of plain text. The table repaints every cell in view at
// each new row; the style's general item painting (icons, check boxes, eliding, several
// lines) and laying the same texts out again would cost several times as much as
// drawing them, so the laid-out texts of the cells in view are kept.
class PlainCells final : public QStyledItemDelegate {
public:
    explicit PlainCells(QWidget* view)
        : QStyledItemDelegate(view), margin_(view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const QVariant font = index.data(Qt::FontRole);
        const bool bold = font.isValid() && font.value<QFont>().bold();
        const QFont before = painter->font();
        QFont used = option.font;
        used.setBold(bold);
        painter->setFont(used);
        const bool selected = option.state & QStyle::State_Selected;  // the row whose event the algorithm shows
        const QVariant tint = index.data(Qt::BackgroundRole);          // a row marked by its model
        if (selected)
            painter->fillRect(option.rect, option.palette.brush(QPalette::Highlight));
        else if (tint.isValid())
            painter->fillRect(option.rect, tint.value<QColor>());
        painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        const QStaticText& text = laidOut(index.data(Qt::DisplayRole).toString(), used);
        const QRect room = option.rect.adjusted(margin_, 0, -margin_, 0);
        const auto alignment = Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt());
        const qreal width = text.size().width();
        const qreal x = alignment & Qt::AlignRight && width <= room.width() ? room.right() + 1 - width : room.left();
        const QPointF at(x, room.top() + (room.height() - text.size().height()) / 2);
        // The columns widen to their texts; only a column narrowed by hand needs the clip.
        const bool overflows = width > room.width();
        if (overflows) {
            painter->save();
            painter->setClipRect(option.rect, Qt::IntersectClip);
        }
        painter->drawStaticText(at, text);
        if (overflows) painter->restore();
        painter->setFont(before);
    }

private:
    static constexpr qsizetype kKeptTexts = 4096;  // far more than the cells in view

    const QStaticText& laidOut(const QString& text, const QFont& font) const {
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
        return *kept.insert(text, laid);
    }

    int margin_;
    mutable QHash<QString, QStaticText> kept_[2];  // plain, bold
    mutable int keptSize_ = 0;
};

}  // namespace

TraceTable::TraceTable(QWidget* parent) : QTableView(parent) {
    setItemDelegate(new PlainCells(this));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
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
        resizeColumnsToContents();
        scrollToBottom();
    });
    resizeColumnsToContents();
}

int TraceTable::columnsWidth(int count) const {
    int width = 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < std::min(count, model() ? model()->columnCount() : 0); ++c) width += columnWidth(c);
    return width;
}

void TraceTable::takeFont(const QFont& font) {
    setFont(font);
    // The header holds the style's own font for its class, which a parent's does not reach.
    horizontalHeader()->setFont(font);
    verticalHeader()->setDefaultSectionSize(QFontMetrics(font).height() + 4);
    resizeColumnsToContents();
}

// New rows may be wider than the columns so far: a long message, a longer vector.
void TraceTable::fitNewRows(int first, int last) {
    const int grid = showGrid() ? 1 : 0;
    for (int c = 0; c < model()->columnCount(); ++c) {
        int widest = columnWidth(c);
        for (int r = first; r <= last; ++r)
            widest = std::max(widest, sizeHintForIndex(model()->index(r, c)).width() + grid);
        if (widest > columnWidth(c)) setColumnWidth(c, widest);
    }
}

}  // namespace ui
