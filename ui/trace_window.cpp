#include "ui/trace_window.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <cctype>

#include "ui/offscreen_focus.h"
#include "ui/trace_model.h"

namespace ui {

namespace {

constexpr int kMinWidth = 280, kMaxWidth = 720, kMinHeight = 200;

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

void TraceWindow::sizeToContents() {
    int width = 2 * table_->frameWidth() + table_->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < model_->columnCount(); ++c) width += table_->columnWidth(c);
    const QMargins m = layout()->contentsMargins();
    width = std::clamp(width + m.left() + m.right(), kMinWidth, kMaxWidth);
    resize(width, std::max(kMinHeight, parentWidget()->height()));
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
