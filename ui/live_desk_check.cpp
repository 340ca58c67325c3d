#include "ui/live_desk_check.h"

#include <QLabel>
#include <QPointer>
#include <QVBoxLayout>

#include "engine/solution/student_run.h"
#include "ui/listing_style.h"
#include "ui/series_log.h"
#include "ui/trace_model.h"
#include "ui/trace_table.h"

namespace ui {

namespace {

// Each pause in the typing runs the series under way again: a loop that never ends, while
// it is being written, must cost a moment, not seconds. "Comprobar" allows five times as
// many instructions.
constexpr long kLiveBudget = 10'000'000;

const QString kHeading = QStringLiteral("Prueba de escritorio de tu algoritmo");

}  // namespace

LiveDeskCheck::LiveDeskCheck(const ej::ExerciseWindow& exercise, SeriesLog& log, QWidget* parent)
    : QWidget(parent), exercise_(exercise), log_(log), said_(new QLabel(this)), heading_(new QLabel(kHeading, this)),
      table_(new TraceTable(this)) {
    said_->setObjectName(QStringLiteral("diferencia"));
    said_->setTextFormat(Qt::PlainText);
    said_->setWordWrap(true);
    said_->setAutoFillBackground(true);
    table_->setAccessibleName(kHeading);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(said_);
    column->addWidget(heading_);
    column->addWidget(table_, 1);
    connect(table_, &QAbstractItemView::clicked, this, [this](const QModelIndex& at) {
        chosenRow_ = at.row() - model_->firstEventRow();
        refresh();
    });
    refresh();
}

LiveDeskCheck::~LiveDeskCheck() { stop(); }

void LiveDeskCheck::follow(std::shared_ptr<const ej::algorithm::Program> program) {
    current_ = true;
    if (run_) {
        run_->reload(std::move(program));
        return refresh();
    }
    run_ = std::make_unique<ej::solution::StudentRun>(std::move(program), exercise_, kLiveBudget);
    model_ = new TraceModel(run_->trace(), this);
    run_->trace().setObserver([model = QPointer<TraceModel>(model_)] {
        if (model) model->follow();
    });
    table_->follow(model_);
    // New rows show the newest row's lines again.
    const auto newest = [this] {
        chosenRow_ = -1;
        table_->clearSelection();
    };
    connect(model_, &QAbstractItemModel::rowsInserted, this, newest);
    connect(model_, &QAbstractItemModel::modelReset, this, newest);
    log_.pass(this);
    refresh();
}

void LiveDeskCheck::markStale() {
    current_ = false;
    refresh();
}

void LiveDeskCheck::stop() { log_.forget(this); }

void LiveDeskCheck::takeFont(const QFont& font) { table_->takeFont(font); }

void LiveDeskCheck::restarted() {
    run_->restarted();
    refresh();
}

void LiveDeskCheck::pressed(const ej::WindowPress& press) {
    run_->pressed(press);
    refresh();
}

QString LiveDeskCheck::difference() const {
    return run_ && run_->difference() ? QString::fromStdString(run_->difference()->text()) : QString();
}

std::vector<int> LiveDeskCheck::linesRan() const {
    const auto& rows = run_->trace().rows();
    if (rows.empty()) return {};
    const bool chosen = chosenRow_ >= 0 && chosenRow_ < static_cast<int>(rows.size());
    const ej::algorithm::Stretch* part = rows[chosen ? std::size_t(chosenRow_) : rows.size() - 1].algorithm.lines();
    std::vector<int> lines;
    if (part)
        for (const auto& line : part->lines) lines.push_back(line.line);
    return lines;
}

void LiveDeskCheck::refresh() {
    QPalette tinted = palette();
    if (!run_) {
        said_->setText(QStringLiteral("Cuando tu algoritmo no tenga errores, aquí se verá su prueba de escritorio, "
                                      "que sigue a la ventana ingreso por ingreso."));
        return;
    }
    const auto& difference = run_->difference();
    const QString differs = this->difference();
    said_->setText(difference ? differs : QStringLiteral("Hasta ahora tu algoritmo hace lo mismo que la ventana."));
    if (difference) tinted.setColor(QPalette::Window, differenceTint(palette()));
    said_->setPalette(tinted);
    heading_->setText(current_ ? kHeading : kHeading + QStringLiteral(" (del último texto sin errores)"));
    model_->markRow(difference ? static_cast<int>(difference->typed.size()) : -1, differenceTint(palette()));
    if (current_ && onLines) onLines(linesRan(), difference ? difference->line : 0);
    if (differs == told_) return;
    told_ = differs;
    if (!differs.isEmpty() && onDifference) onDifference(differs);
}

}  // namespace ui
