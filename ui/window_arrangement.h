#pragma once

#include <QList>
#include <QObject>
#include <QSize>
#include <functional>

class QWidget;

namespace ui {

class FormWidget;
class Zoom;

// An exercise window and its open companions as "Ordenar ventanas" lays them out, with
// their outside sizes at the zoom they are drawn at now.
struct Arranged {
    QSize window;
    QSize frame;                 // the window manager's, the same on every window
    QList<QWidget*> companions;  // its desk check, then its solution when open
    // Each companion's least: what its layout allows, and never less than a page of text
    // a class can read from the back of the room.
    QList<QSize> least;
};
Arranged arrangedOf(const FormWidget& exercise);

// "Ordenar ventanas": opens the exercise window's desk check if it is closed, and lays the
// window and its companions out over the available area of its screen (tiling.h), the
// zoom lowered a step at a time until they fit; `behind` (the menu) goes behind them. A
// notice over the window says at which zoom. The activation stays where it was.
void arrangeWindows(FormWidget& exercise, Zoom& zoom, const QList<QWidget*>& behind);

// Ctrl+L in any window of the program, whatever control has the focus, outside a dialog:
// `arrange` is told the control it was pressed in.
class ArrangeKey final : public QObject {
public:
    explicit ArrangeKey(std::function<void(QWidget& pressedIn)> arrange);

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override;

private:
    std::function<void(QWidget&)> arrange_;
};

}  // namespace ui
