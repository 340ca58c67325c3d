#pragma once

#include <QString>
#include <QWidget>
#include <string>

#include "engine/algorithm/program.h"
#include "engine/trace.h"

class QLabel;
class QSplitter;
class QTableView;

namespace ui {

class AlgorithmPane;
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
    // the table alone.
    TraceWindow(ej::Trace& trace, const std::string& exerciseCaption, QWidget* exercise,
                const ej::algorithm::Program* algorithm = nullptr);

    const TraceModel& model() const { return *model_; }
    QTableView* table() const { return table_; }
    // Null for a window without an algorithm.
    const AlgorithmPane* pane() const { return pane_; }
    // Shows it beside its exercise window without activating it.
    void showBeside();
    // Draws the table in the program's font at its zoom.
    void takeFont(const QFont& font);

private:
    void sizeToContents();
    void sizeWithAlgorithm();
    void placeBeside(const QWidget& exercise);
    void fitNewRows(int first, int last);
    int columnsWidth(int count) const;
    void copy() const;
    // What the pane shows: the newest event whole, or the event of a row of the table.
    void showNewest();
    void showRow(int tableRow);
    void markVariable(int column);

    ej::Trace& trace_;
    TraceModel* model_;
    double scale_ = 1.0;  // the zoom, as the font shows it
    QTableView* table_;
    AlgorithmPane* pane_ = nullptr;
    QLabel* legend_ = nullptr;
    QSplitter* split_ = nullptr;
};

// "Prueba de escritorio - Ejercicio NN", NN being the number the exercise window's
// caption ends with; its algorithm is "Algoritmo - Ejercicio NN".
QString traceCaption(const std::string& exerciseCaption);
QString algorithmCaption(const std::string& exerciseCaption);

}  // namespace ui
