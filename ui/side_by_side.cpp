#include "ui/side_by_side.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QSplitter>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/companion.h"
#include "ui/listing_style.h"
#include "ui/trace_model.h"
#include "ui/trace_table.h"

namespace ui {

namespace {

constexpr int kHeight = 360;  // at 100 %

// The row of the differing press in a window's desk check: the press typed last, whose
// own row holds the first part of its event; a completion loop's rows come after it.
int lastPressRow(const ej::Trace& trace) {
    const auto& rows = trace.rows();
    for (auto r = rows.size(); r-- > 0;)
        if (rows[r].algorithm.stretch == 0) return static_cast<int>(r);
    return static_cast<int>(rows.size()) - 1;
}

QWidget* titled(const QString& title, TraceTable* table, QWidget* parent) {
    auto* column = new QWidget(parent);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(title, column));
    layout->addWidget(table, 1);
    table->setAccessibleName(title);
    return column;
}

}  // namespace

SideBySideWindow::SideBySideWindow(ej::solution::Replayed replayed, const std::string& exerciseCaption, QWidget* parent)
    : QWidget(parent, Qt::Window), replayed_(std::move(replayed)) {
    setObjectName(QStringLiteral("ladoALado"));
    setWindowTitle(QStringLiteral("Lado a lado - Ejercicio ") + exerciseNumber(exerciseCaption));
    setAttribute(Qt::WA_DeleteOnClose);
    windowModel_ = new TraceModel(replayed_.window, this);
    studentModel_ = new TraceModel(replayed_.student, this);
    windowTable_ = new TraceTable(this);
    studentTable_ = new TraceTable(this);
    windowTable_->follow(windowModel_);
    studentTable_->follow(studentModel_);

    auto* layout = new QVBoxLayout(this);
    if (replayed_.difference) {
        auto* why = new QLabel(QString::fromStdString(replayed_.difference->text()), this);
        why->setTextFormat(Qt::PlainText);
        why->setWordWrap(true);
        why->setTextInteractionFlags(Qt::TextSelectableByMouse);
        layout->addWidget(why);
    }
    split_ = new QSplitter(Qt::Horizontal, this);
    split_->setChildrenCollapsible(false);
    split_->addWidget(titled(QStringLiteral("La ventana"), windowTable_, split_));
    split_->addWidget(titled(QStringLiteral("Tu algoritmo"), studentTable_, split_));
    layout->addWidget(split_, 1);

    // Up to the differing row, marked in both.
    const QColor tint = differenceTint(palette());
    const int windowRow = this->windowRow(), studentRow = this->studentRow();
    windowModel_->markRow(windowRow, tint);
    studentModel_->markRow(studentRow, tint);
    for (int r = windowRow + 1; r < windowModel_->eventRows(); ++r)
        windowTable_->setRowHidden(windowModel_->firstEventRow() + r, true);
    for (int r = studentRow + 1; r < studentModel_->eventRows(); ++r)
        studentTable_->setRowHidden(studentModel_->firstEventRow() + r, true);
}

int SideBySideWindow::windowRow() const { return replayed_.difference ? lastPressRow(replayed_.window) : -1; }

int SideBySideWindow::studentRow() const {
    return replayed_.difference ? static_cast<int>(replayed_.student.rows().size()) - 1 : -1;
}

// As wide as both tables' columns, up to the screen's width, each table given its share.
void SideBySideWindow::takeFont(const QFont& font) {
    setFont(font);
    windowTable_->takeFont(font);
    studentTable_->takeFont(font);
    const double scale = double(font.pixelSize()) / QApplication::font().pixelSize();
    const QMargins m = layout()->contentsMargins();
    const int window = windowTable_->columnsWidth(windowModel_->columnCount());
    const int student = studentTable_->columnsWidth(studentModel_->columnCount());
    const int wanted = window + student + split_->handleWidth() + m.left() + m.right();
    const QRect screen = (parentWidget() ? parentWidget()->screen() : this->screen())->availableGeometry();
    resize(std::min(wanted, screen.width()), std::min(int(kHeight * scale), screen.height()));
    split_->setSizes({window, student});
}

void SideBySideWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace ui
