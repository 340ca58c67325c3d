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

namespace ui {

class AlgorithmPane;
class KeyboardVisit;
class TraceModel;

// The desk check of one exercise window, in a window of its own beside it: the window's
// algorithm, the table of its events and a "Copiar" button (and "Copiar algoritmo").
// The algorithm shows the newest event's marks; a click on a row shows that row's, a
// click on a variable's header marks the lines that give it its value. It never becomes
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
    // Null for a window without an algorithm.
    const AlgorithmPane* pane() const { return pane_; }
    // F6 from its exercise window: the keyboard reads the table, from its newest row, and
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
    void copy();
    // What the pane shows: the newest event whole, or the event of a row of the table.
    void showNewest();
    void showRow(int tableRow);
    void markVariable(int column);

    ej::Trace& trace_;
    TraceModel* model_;
    double scale_ = 1.0;  // the zoom, as the font shows it
    TraceTable* table_;
    AlgorithmPane* pane_ = nullptr;
    QLabel* legend_ = nullptr;
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
