#pragma once

#include <QString>
#include <QWidget>
#include <string>

#include "engine/trace.h"

class QTableView;

namespace ui {

class TraceModel;

// The desk check of one exercise window, in a window of its own beside it: the table
// of the window's events and a "Copiar" button. It never becomes the active window
// nor takes the keyboard focus, so the exercise window keeps both, and no window is
// activated again because of it; the mouse still scrolls it and clicks "Copiar".
class TraceWindow final : public QWidget {
public:
    // A window of `exercise`'s own, closed and destroyed with it.
    TraceWindow(ej::Trace& trace, const std::string& exerciseCaption, QWidget* exercise);

    const TraceModel& model() const { return *model_; }
    // Shows it beside its exercise window without activating it.
    void showBeside();
    // Draws the table in the program's font at its zoom.
    void takeFont(const QFont& font);

private:
    void sizeToContents();
    void placeBeside(const QWidget& exercise);
    void fitNewRows(int first, int last);
    void copy() const;

    ej::Trace& trace_;
    TraceModel* model_;
    double scale_ = 1.0;  // the zoom, as the font shows it
    QTableView* table_;
};

// "Prueba de escritorio - Ejercicio NN", NN being the number the exercise window's
// caption ends with.
QString traceCaption(const std::string& exerciseCaption);

}  // namespace ui
