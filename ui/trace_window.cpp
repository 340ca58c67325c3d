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
#include <QScreen>
#include <QSplitter>
#include <QStringList>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "engine/algorithm/marks.h"
#include "engine/exercise_window.h"
#include "ui/algorithm_pane.h"
#include "ui/companion.h"
#include "ui/form_widget.h"
#include "ui/keyboard_visit.h"
#include "ui/offscreen_focus.h"
#include "ui/trace_model.h"
#include "ui/trace_table.h"

namespace ui {

namespace {

constexpr int kMinWidth = 280, kMinHeight = 200;
// Lines of text it keeps at the least, below or above a window with no room beside it:
// the headers, a few rows and the buttons; with an algorithm, a loop's worth of its lines,
// as far as half the screen's height. (Beside a window it takes the screen's height.)
constexpr int kLeastLines = 8, kLeastAlgorithmLines = 12;
constexpr int kLinesShown = 24;  // of the algorithm, where the screen has room
constexpr int kCopiedShownMs = 1500;  // how long "Copiar" says "Copiado"
constexpr int kFixedColumns = 3;  // "N°", "Ingresado", "Resultado": a row's first columns
const QString kNewest = QStringLiteral("el último ingreso");

QString qs(const std::string& s) { return QString::fromStdString(s); }

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
      model_(new TraceModel(trace, this, algorithm)), table_(new TraceTable(this)), progress_(new QLabel(this)) {
    setObjectName(QStringLiteral("traza"));
    if (const auto* form = dynamic_cast<const FormWidget*>(exercise))
        exercise_ = dynamic_cast<const ej::ExerciseWindow*>(&form->logic());
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

    progress_->setObjectName(QStringLiteral("avance"));
    progress_->setWordWrap(true);  // never wider than the table
    auto* tableColumn = new QWidget(this);
    auto* underTable = new QVBoxLayout(tableColumn);
    underTable->setContentsMargins(0, 0, 0, 0);
    underTable->addWidget(table_);
    underTable->addWidget(progress_);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    if (algorithm) {
        pane_ = new AlgorithmPane(*algorithm, algorithmCaption(exerciseCaption), this);
        const auto& variables = algorithm->variables;
        vectors_ = std::any_of(variables.begin(), variables.end(), [](const auto& v) { return v.array; });
        legend_ = new QLabel(this);
        legend_->setObjectName(QStringLiteral("leyenda"));
        legend_->setWordWrap(true);  // a narrowed algorithm gives its room to the table
        auto* listing = new QWidget(this);
        auto* column = new QVBoxLayout(listing);
        column->setContentsMargins(0, 0, 0, 0);
        column->addWidget(pane_);
        column->addWidget(legend_);
        split_ = new QSplitter(Qt::Horizontal, this);
        split_->setChildrenCollapsible(false);
        split_->addWidget(listing);
        split_->addWidget(tableColumn);
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
        layout->addWidget(tableColumn);
    }
    buttons->addWidget(copy_);
    layout->addLayout(buttons);

    connect(model_, &QAbstractItemModel::rowsInserted, this, [this] { afterEvent(); });
    connect(model_, &QAbstractItemModel::modelReset, this, [this] { afterEvent(); });
    // The trace outlives this window; a closed window's model is simply no longer told.
    trace_.setObserver([model = QPointer<TraceModel>(model_)] {
        if (model) model->follow();
    });
    afterEvent();
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
    if (const int marked = model_->markedColumn(); marked >= 0) markHeader(marked);
    if (pane_) pane_->takeFont(font);
    scale_ = double(font.pixelSize()) / QApplication::font().pixelSize();
    // A zoom while it is open: beside its exercise window again, which has grown or shrunk.
    if (isVisible() && font.pixelSize() != before.pixelSize()) sizeAndPlace();
}

// As wide as the algorithm's longest line and all the table's columns, as tall as its
// exercise window or two dozen lines of the algorithm (each new row repaints every row
// in view; the algorithm scrolls by itself), beside its exercise window where the screen
// has room, else where besideWindow finds. Narrowed, the table gives up room first, down
// to half the width, so that the algorithm's lines stay whole; then the algorithm, down to
// a third of its width; at the least, the table's first columns stay in view. Shortened,
// the algorithm keeps twelve lines where half the screen holds them.
void TraceWindow::sizeAndPlace() {
    const QWidget& exercise = *parentWidget();
    const QMargins m = layout()->contentsMargins();
    const int margins = m.left() + m.right();
    const int handle = pane_ ? split_->handleWidth() : 0;
    const int listing = pane_ ? pane_->naturalWidth() : 0;
    const int columns = table_->columnsWidth(model_->columnCount());
    const int table = std::max(columns, int(kMinWidth * scale_));
    const int algorithmLines = pane_ ? int(pane_->program().lines.size()) : 0;
    const auto heightFor = [&](int lines) { return pane_ ? pane_->heightFor(lines) + chromeHeight() : 0; };
    const int tall = heightFor(std::min(algorithmLines, kLinesShown));
    const QSize wanted(listing + handle + table + margins,
                       std::max({int(kMinHeight * scale_), exercise.height(), tall}));
    const int halfScreen = exercise.screen()->availableGeometry().height() / 2;
    const int leastAlgorithm = std::min(heightFor(std::min(algorithmLines, kLeastAlgorithmLines)), halfScreen);
    // Never less than its layout lets it be: a smaller place would be overrun.
    const QSize least = QSize(listing / 3 + handle + table_->columnsWidth(kFixedColumns) + margins,
                              std::min(wanted.height(), std::max(kLeastLines * fontMetrics().height(), leastAlgorithm)))
                            .expandedTo(minimumSizeHint());
    const QRect at = besideExercise(exercise, inSight_, wanted, least);
    resize(at.size());
    if (pane_) {
        const int room = width() - margins - handle;
        const int shared = std::min(listing, std::max(room - columns, room / 2));
        split_->setSizes({shared, room - shared});
    }
    move(at.topLeft());
    placedAt_ = at.topLeft();
}

// The height of all but the algorithm: the margins, the legend and the buttons.
int TraceWindow::chromeHeight() const {
    const QMargins m = layout()->contentsMargins();
    return m.top() + m.bottom() + 2 * layout()->spacing() + copy_->sizeHint().height() +
           legend_->heightForWidth(pane_->naturalWidth());
}

// New rows wider than the table widen the desk check, beside its window again, as far as
// the screen has room; not once the student has moved it.
void TraceWindow::widenToColumns() {
    const int columns = table_->columnsWidth(model_->columnCount());
    if (!isVisible() || columns <= table_->width() || columns <= widenedFor_ || pos() != placedAt_) return;
    widenedFor_ = columns;
    sizeAndPlace();
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

void TraceWindow::afterEvent() {
    showNewest();
    showProgress();
    widenToColumns();
}

// Under the table, and for a screen reader the table's description, which it says as the
// table takes the focus.
void TraceWindow::showProgress() {
    const QString progress = exercise_ ? qs(exercise_->progress()) : QString();
    progress_->setText(progress);
    table_->setAccessibleDescription(progress);
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
    explainMarks(kNewest);
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
    explainMarks(QStringLiteral("la fila ") + QString::number(number));
}

// A click on a variable's header marks it and the lines that give it its value; on it
// again, or on another column, no longer.
void TraceWindow::markVariable(int column) {
    const int variable = model_->variableOf(column);
    const bool marks = variable >= 0 && variable != pane_->markedVariable();
    pane_->markAssignments(marks ? variable : -1);
    markHeader(marks ? column : -1);
    explainMarks(event_);
}

// In bold over the tint of the lines it marks, its column as wide as that takes.
void TraceWindow::markHeader(int column) {
    QFont bold = table_->horizontalHeader()->font();
    bold.setBold(true);
    model_->markColumn(column, pane_->colours().assigned, bold);
    if (column >= 0) table_->fitHeader(column);
}

// The legend of the marks shown: where the run waits or that it ended, what the tint is,
// the marked variable's lines, the tallies, and what bold says in a vector.
void TraceWindow::explainMarks(const QString& event) {
    event_ = event;
    const ej::algorithm::Marks& marks = pane_->marks();
    QStringList parts;
    if (marks.waiting)
        parts << (marks.ended ? QStringLiteral("▶ terminó") : QStringLiteral("▶ espera el próximo valor"));
    parts << QStringLiteral("resaltado: lo que ejecutó ") + event;
    if (const int variable = pane_->markedVariable(); variable >= 0)
        parts << QStringLiteral("en ámbar: donde se asigna ") +
                     qs(pane_->program().variables[static_cast<std::size_t>(variable)].name);
    parts << QStringLiteral("×N: se ejecutó N veces");
    if (vectors_) parts << QStringLiteral("en un vector, negrita: los elementos que cambiaron");
    legend_->setText(parts.join(QStringLiteral(" · ")));
}

}  // namespace ui
