#include "ui/trace_window.h"

#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHash>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QStaticText>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <cctype>

#include "ui/offscreen_focus.h"
#include "ui/trace_model.h"

namespace ui {

namespace {

constexpr int kMinWidth = 280, kMaxWidth = 720, kMinHeight = 200;

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
        painter->setPen(option.palette.color(QPalette::Text));
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

QString traceCaption(const std::string& exerciseCaption) {
    auto digits = exerciseCaption.end();
    while (digits != exerciseCaption.begin() && std::isdigit(static_cast<unsigned char>(digits[-1]))) --digits;
    return QStringLiteral("Prueba de escritorio - Ejercicio ") +
           QString::fromStdString(std::string(digits, exerciseCaption.end()));
}

TraceWindow::TraceWindow(ej::Trace& trace, const std::string& exerciseCaption, QWidget* exercise)
    : QWidget(exercise, Qt::Window | Qt::WindowDoesNotAcceptFocus), trace_(trace),
      model_(new TraceModel(trace, this)), table_(new QTableView(this)) {
    setObjectName(QStringLiteral("traza"));
    setWindowTitle(traceCaption(exerciseCaption));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_DeleteOnClose);  // after its own close box, F2 opens a fresh one
    setFocusPolicy(Qt::NoFocus);

    table_->setModel(model_);
    table_->setItemDelegate(new PlainCells(table_));
    table_->setAccessibleName(windowTitle());
    table_->setFocusPolicy(Qt::NoFocus);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setWordWrap(false);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->verticalHeader()->hide();  // "N°" numbers the rows
    // Rows of one height: a new row never makes the table measure the others.
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);

    auto* copy = new QPushButton(QStringLiteral("Copiar"), this);
    copy->setFocusPolicy(Qt::NoFocus);
    copy->setAutoDefault(false);
    connect(copy, &QPushButton::clicked, this, [this] { this->copy(); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(copy);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_);
    layout->addLayout(buttons);

    connect(model_, &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex&, int first, int last) {
        fitNewRows(first, last);
        table_->scrollToBottom();
    });
    connect(model_, &QAbstractItemModel::modelReset, this, [this] {
        table_->resizeColumnsToContents();
        table_->scrollToBottom();
    });
    // The trace outlives this window; a closed window's model is simply no longer told.
    trace_.setObserver([model = QPointer<TraceModel>(model_)] {
        if (model) model->follow();
    });
    table_->resizeColumnsToContents();
}

void TraceWindow::showBeside() {
    honourWindowsThatRefuseFocus();
    sizeToContents();
    placeBeside(*parentWidget());
    show();
    table_->scrollToBottom();
}

void TraceWindow::takeFont(const QFont& font) {
    const QFont before = this->font();
    setFont(font);
    scale_ = double(font.pixelSize()) / QApplication::font().pixelSize();
    table_->verticalHeader()->setDefaultSectionSize(QFontMetrics(font).height() + 4);
    table_->resizeColumnsToContents();
    // A zoom while it is open: beside its exercise window again, which has grown or shrunk.
    if (isVisible() && font.pixelSize() != before.pixelSize()) {
        sizeToContents();
        placeBeside(*parentWidget());
    }
}

void TraceWindow::sizeToContents() {
    int width = 2 * table_->frameWidth() + table_->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < model_->columnCount(); ++c) width += table_->columnWidth(c);
    const QMargins m = layout()->contentsMargins();
    width = std::clamp(width + m.left() + m.right(), int(kMinWidth * scale_), int(kMaxWidth * scale_));
    resize(width, std::max(int(kMinHeight * scale_), parentWidget()->height()));
}

// To the right of the exercise window where the screen has room, else to its left,
// top edges aligned; never off the screen.
void TraceWindow::placeBeside(const QWidget& exercise) {
    const QRect beside = exercise.frameGeometry();
    const int frame = beside.width() - exercise.width();  // the window manager's borders
    const int width = this->width() + frame;
    const QRect screen = exercise.screen()->availableGeometry();
    int x = beside.right() + 1;
    if (x + width > screen.right() + 1) x = beside.left() - width;
    x = std::clamp(x, screen.left(), std::max(screen.left(), screen.right() + 1 - width));
    move(x, beside.top());
}

// New rows may be wider than the columns so far: a long message, a longer vector.
void TraceWindow::fitNewRows(int first, int last) {
    const int grid = table_->showGrid() ? 1 : 0;
    for (int c = 0; c < model_->columnCount(); ++c) {
        int widest = table_->columnWidth(c);
        for (int r = first; r <= last; ++r)
            widest = std::max(widest, table_->sizeHintForIndex(model_->index(r, c)).width() + grid);
        if (widest > table_->columnWidth(c)) table_->setColumnWidth(c, widest);
    }
}

void TraceWindow::copy() const { QGuiApplication::clipboard()->setText(QString::fromStdString(trace_.tabSeparated())); }

}  // namespace ui
