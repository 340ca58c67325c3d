#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <string>

#include "engine/algorithm/program.h"
#include "engine/trace.h"
#include "ui/trace_table.h"

class QLabel;
class QPushButton;
class QSplitter;

namespace ej {
class ExerciseWindow;
}

namespace ui {

class AlgorithmPane;
class KeyboardVisit;
class TraceModel;

// The desk check of one exercise window, in a window of its own beside it: the window's
// algorithm with a legend of its marks, the table of its events, where the series stands
// under it, and a "Copiar" button (and "Copiar algoritmo"). The algorithm shows the
// newest event's marks; a click on a row shows that row's, a click on a variable's
// header marks it and the lines that give it its value. It never becomes
// the active window nor takes the keyboard focus, so the exercise window keeps both,
// and no window is activated again because of it; the mouse still scrolls it, selects
// in it and clicks its buttons.
class TraceWindow final : public QWidget {
public:
    // A window of `exercise`'s own, closed and destroyed with it; without an algorithm,
    // the table alone, under why there is none when its algorithm could not be compiled.
    TraceWindow(ej::Trace& trace, const std::string& exerciseCaption, QWidget* exercise,
                const ej::algorithm::Program* algorithm = nullptr, const std::string& algorithmError = {});

    const TraceModel& model() const { return *model_; }
    TraceTable* table() const { return table_; }
    // What the marks of the algorithm mean; null for a window without an algorithm.
    const QLabel* legend() const { return legend_; }
    // Where the series stands: "valor 4 de 12", or empty.
    const QLabel* progress() const { return progress_; }
    // Null for a window without an algorithm.
    const AlgorithmPane* pane() const { return pane_; }
    // F6 from its exercise window: the keyboard reads the table, from its newest row, after
    // where the series stands (the table's description), and
    // Tab takes it to the algorithm; a row reached by the arrow keys shows its event in the
    // algorithm, as a click on it does. F6 there is `onward`.
    void visitFrom(QWidget& exercise, std::function<bool(QWidget&)> onward);
    // Shows it beside its exercise window without activating it, never over `inSight`,
    // the controls of that window a student must see.
    void showBeside(const QList<QWidget*>& inSight);
    // What "Copiar" puts before the table: a line that says which exercise it is of.
    void setHeading(const QString& heading) { heading_ = heading; }
    // Draws the table in the program's font at its zoom.
    void takeFont(const QFont& font);

private:
    void sizeAndPlace();
    void widenToColumns();
    void copy();
    void afterEvent();
    // What the pane shows: the newest event whole, or the event of a row of the table.
    void showNewest();
    void showRow(int tableRow);
    void markVariable(int column);
    void markHeader(int column);
    void explainMarks(const QString& event);
    void showProgress();
    int chromeHeight() const;

    ej::Trace& trace_;
    TraceModel* model_;
    double scale_ = 1.0;  // the zoom, as the font shows it
    TraceTable* table_;
    AlgorithmPane* pane_ = nullptr;
    QLabel* legend_ = nullptr;
    QString event_;  // the event the algorithm shows, as the legend says it
    bool vectors_ = false;  // the algorithm has a vector
    QLabel* progress_;
    const ej::ExerciseWindow* exercise_ = nullptr;
    QPoint placedAt_;     // where it was put beside its window
    int widenedFor_ = 0;  // the columns' width it last widened for
    QSplitter* split_ = nullptr;
    QPushButton* copy_;
    QList<QWidget*> inSight_;
    QString heading_;
    KeyboardVisit* visit_ = nullptr;
    bool startAtNewest_ = false;  // once F6 has given the table the focus
};

// "Prueba de escritorio - Ejercicio NN", NN being the number the exercise window's
// caption ends with; its algorithm is "Algoritmo - Ejercicio NN".
QString traceCaption(const std::string& exerciseCaption);
QString algorithmCaption(const std::string& exerciseCaption);

}  // namespace ui
