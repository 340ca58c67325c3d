#pragma once

#include <QPointer>
#include <QWidget>

class QTextBrowser;

namespace ui {

class KeyboardVisit;

// "Ayuda - Ejercicios 2005": one short page, in Spanish, on what the program is for and
// how to use it, in a window of its own. Like a desk check it never becomes the active
// window nor takes the keyboard focus, so that a student can read it in the middle of a
// series and type on; the mouse still scrolls it and selects its text.
class HelpWindow final : public QWidget {
public:
    HelpWindow();

    // Shows it beside `window`, the one F1 was pressed in, without activating it.
    void showBeside(const QWidget& window);
    // F6 from `window`: the keyboard reads and scrolls the page; Esc or F6 goes back.
    void visitFrom(QWidget& window);
    // Draws the page in the program's font at its zoom.
    void takeFont(const QFont& font);

private:
    void sizeAndPlace();

    QTextBrowser* page_;
    KeyboardVisit* visit_;
    QPointer<const QWidget> beside_;  // the window it was opened from, while it lives
    double scale_ = 1.0;              // the zoom, as the font shows it
};

}  // namespace ui
