#include "ui/trace_window.h"

#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSplitter>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "engine/algorithm/marks.h"
#include "ui/algorithm_pane.h"
#include "ui/companion.h"
#include "ui/keyboard_visit.h"
#include "ui/offscreen_focus.h"
#include "ui/trace_model.h"
#include "ui/trace_table.h"

namespace ui {

namespace {

constexpr int kMinWidth = 280, kMinHeight = 200;
// Lines of text it keeps at the least, below or above a window with no room beside it:
// the headers, a few rows and the buttons.
constexpr int kLeastLines = 8;
constexpr int kCopiedShownMs = 1500;  // how long "Copiar" says "Copiado"
constexpr int kFixedColumns = 3;  // "N°", "Ingresado", "Resultado": a row's first columns
const QString kLegend = QStringLiteral("▶ espera el próximo valor · resaltado: lo que ejecutó ");

}  // namespace

QString traceCaption(const std::string& exerciseCaption) {
    return QStringLiteral("Prueba de escritorio - Ejercicio ") + exerciseNumber(exerciseCaption);
}

QString algorithmCaption(const std::string& exerciseCaption) {
    return QStringLiteral("Algoritmo - Ejercicio ") + exerciseNumber(exerciseCaption);
}

TraceWindow::TraceWindow(ej::Trace& trace, const std::string& exerciseCaption, QWidget* exercise,
                         const ej::algorithm::Program* algorithm, const std::string& algorithmError)
    : QWidget(exercise, Qt::Window | Qt::WindowDoesNotAcceptFocus), trace_(trace),
      model_(new TraceModel(trace, this, algorithm)), table_(new TraceTable(this)) {
    setObjectName(QStringLiteral("traza"));
    setWindowTitle(traceCaption(exerciseCaption));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_DeleteOnClose);  // after its own close box, F2 opens a fresh one
    setFocusPolicy(Qt::NoFocus);

    table_->follow(model_);
    table_->setAccessibleName(windowTitle());
    table_->setFocusPolicy(Qt::NoFocus);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setTabKeyNavigation(false);  // Tab goes on to the algorithm, for the keyboard's visit

    copy_ = new QPushButton(QStringLiteral("Copiar"), this);
    copy_->setFocusPolicy(Qt::NoFocus);
    copy_->setAutoDefault(false);
    connect(copy_, &QPushButton::clicked, this, [this] { copy(); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    if (algorithm) {
        pane_ = new AlgorithmPane(*algorithm, algorithmCaption(exerciseCaption), this);
        legend_ = new QLabel(kLegend + QStringLiteral("el último ingreso"), this);
        legend_->setWordWrap(true);  // a narrowed algorithm gives its room to the table
        auto* listing = new QWidget(this);
        auto* column = new QVBoxLayout(listing);
        column->setContentsMargins(0, 0, 0, 0);
        column->addWidget(pane_);
        column->addWidget(legend_);
        split_ = new QSplitter(Qt::Horizontal, this);
        split_->setChildrenCollapsible(false);
        split_->addWidget(listing);
        split_->addWidget(table_);
        split_->setStretchFactor(1, 1);  // a wider window widens the table
        layout->addWidget(split_);

        table_->setSelectionMode(QAbstractItemView::SingleSelection);
        table_->setSelectionBehavior(QAbstractItemView::SelectRows);
        connect(table_, &QAbstractItemView::clicked, this, [this](const QModelIndex& at) { showRow(at.row()); });
        connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                [this](const QModelIndex& at) {
                    if (table_->hasFocus()) showRow(at.row());
                });
        connect(table_->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int c) { markVariable(c); });

        auto* copyAlgorithm = new QPushButton(QStringLiteral("Copiar algoritmo"), this);
        copyAlgorithm->setFocusPolicy(Qt::NoFocus);
        copyAlgorithm->setAutoDefault(false);
        connect(copyAlgorithm, &QPushButton::clicked, this,
                [this] { QGuiApplication::clipboard()->setText(pane_->source()); });
        buttons->addWidget(copyAlgorithm);
    } else {
        if (!algorithmError.empty()) {
            // The table then shows the window's own variables; the student learns why.
            auto* why = new QLabel(QStringLiteral("El algoritmo de este ejercicio no se puede seguir (%1). La "
                                                  "tabla muestra las variables de la ventana.")
                                       .arg(QString::fromStdString(algorithmError)),
                                   this);
            why->setObjectName(QStringLiteral("sinAlgoritmo"));
            why->setWordWrap(true);
            layout->addWidget(why);
        }
        layout->addWidget(table_);
    }
    buttons->addWidget(copy_);
    layout->addLayout(buttons);

    connect(model_, &QAbstractItemModel::rowsInserted, this, [this] { showNewest(); });
    connect(model_, &QAbstractItemModel::modelReset, this, [this] { showNewest(); });
    // The trace outlives this window; a closed window's model is simply no longer told.
    trace_.setObserver([model = QPointer<TraceModel>(model_)] {
        if (model) model->follow();
    });
    showNewest();
}

void TraceWindow::showBeside(const QList<QWidget*>& inSight) {
    honourWindowsThatRefuseFocus();
    inSight_ = inSight;
    sizeAndPlace();
    show();
    sizeAndPlace();  // again, shown: a hidden splitter shares out the width it had before
    table_->scrollToBottom();
}

void TraceWindow::takeFont(const QFont& font) {
    const QFont before = this->font();
    setFont(font);
    table_->takeFont(font);
    if (pane_) pane_->takeFont(font);
    scale_ = double(font.pixelSize()) / QApplication::font().pixelSize();
    // A zoom while it is open: beside its exercise window again, which has grown or shrunk.
    if (isVisible() && font.pixelSize() != before.pixelSize()) sizeAndPlace();
}

// As wide as the algorithm's longest line and all the table's columns, as tall as the
// exercise window (each new row repaints every row in view; the algorithm scrolls by
// itself), beside it where the screen has room, else where besideWindow finds. Narrowed,
// the algorithm gives up room first, down to a third of its width, so that the headers
// stay whole; at the least, the table's first columns stay in view.
void TraceWindow::sizeAndPlace() {
    const QWidget& exercise = *parentWidget();
    const QMargins m = layout()->contentsMargins();
    const int margins = m.left() + m.right();
    const int listing = pane_ ? pane_->naturalWidth() + split_->handleWidth() : 0;
    const int listingLeast = pane_ ? pane_->naturalWidth() / 3 + split_->handleWidth() : 0;
    const int table = std::max(table_->columnsWidth(model_->columnCount()), int(kMinWidth * scale_));
    const QSize wanted(listing + table + margins, std::max(int(kMinHeight * scale_), exercise.height()));
    // Never less than its layout lets it be: a smaller place would be overrun.
    const QSize least = QSize(listingLeast + table_->columnsWidth(kFixedColumns) + margins,
                              std::min(wanted.height(), kLeastLines * fontMetrics().height()))
                            .expandedTo(minimumSizeHint());
    const QRect at = besideExercise(exercise, inSight_, wanted, least);
    resize(at.size());
    if (pane_) {
        const int tableShare = std::max(0, std::min(table, width() - margins - listingLeast));
        split_->setSizes({width() - margins - tableShare - split_->handleWidth(), tableShare});
    }
    move(at.topLeft());
}

void TraceWindow::visitFrom(QWidget& exercise, std::function<bool(QWidget&)> onward) {
    if (!visit_) {
        visit_ = new KeyboardVisit(*this, pane_ ? QList<QWidget*>{table_, pane_} : QList<QWidget*>{table_});
        // The newest row becomes current once the table has taken the focus, not before: a
        // screen reader reads the row that becomes current in the focused table.
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
            if (now != table_ || !startAtNewest_) return;
            startAtNewest_ = false;
            QMetaObject::invokeMethod(this, [this] {
                if (model_->rowCount() > 0) table_->setCurrentIndex(model_->index(model_->rowCount() - 1, 0));
            }, Qt::QueuedConnection);
        });
    }
    table_->setCurrentIndex({});
    startAtNewest_ = true;
    visit_->enterFrom(exercise, std::move(onward));
}

// The table after its heading. The button says it was done for a moment, in the
// window itself, which never takes the activation to say more.
void TraceWindow::copy() {
    QGuiApplication::clipboard()->setText(heading_ + QLatin1Char('\n') + QString::fromStdString(trace_.tabSeparated()));
    copy_->setText(QStringLiteral("Copiado"));
    QTimer::singleShot(kCopiedShownMs, copy_, [copy = copy_] { copy->setText(QStringLiteral("Copiar")); });
}

// After every change of the table: the newest event whole, a press with all its passes,
// and no row selected.
void TraceWindow::showNewest() {
    if (!pane_) return;
    if (table_->selectionModel()->hasSelection()) table_->clearSelection();
    const auto& rows = trace_.rows();
    const ej::algorithm::Event* event = nullptr;  // the newest row's, or the press's before rows of no part
    for (auto r = rows.rbegin(); r != rows.rend() && !event; ++r) event = r->algorithm.event.get();
    const std::size_t lines = pane_->program().lines.size();
    ej::algorithm::Marks none;
    none.lines.resize(lines);
    pane_->showMarks(event ? ej::algorithm::marksOf(*event, lines) : none);
    legend_->setText(kLegend + QStringLiteral("el último ingreso"));
}

// The row's own part of its event; a row that has none (a pass the algorithm does not
// take apart) shows the whole event of the press it follows.
void TraceWindow::showRow(int tableRow) {
    const auto& rows = trace_.rows();
    const int first = tableRow - model_->firstEventRow();
    if (first < 0 || first >= static_cast<int>(rows.size())) return showNewest();
    const std::size_t lines = pane_->program().lines.size();
    for (int r = first; r >= 0; --r) {
        const ej::AlgorithmPart& part = rows[static_cast<std::size_t>(r)].algorithm;
        if (!part.event) continue;
        pane_->showMarks(r == first ? ej::algorithm::marksOf(*part.event, lines, part.stretch)
                                    : ej::algorithm::marksOf(*part.event, lines));
        break;
    }
    const long number = rows[static_cast<std::size_t>(first)].number;
    legend_->setText(kLegend + QStringLiteral("la fila ") + QString::number(number));
}

// A click on a variable's header marks the lines that give it its value; on it again,
// or on another column, no longer.
void TraceWindow::markVariable(int column) {
    const std::string name = model_->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString().toStdString();
    const auto& variables = pane_->program().variables;
    const auto found = std::find_if(variables.begin(), variables.end(), [&](const auto& v) { return v.name == name; });
    const int variable = found == variables.end() ? -1 : static_cast<int>(found - variables.begin());
    pane_->markAssignments(variable == pane_->markedVariable() ? -1 : variable);
}

}  // namespace ui
