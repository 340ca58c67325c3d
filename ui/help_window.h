#pragma once

#include <QSize>
#include <QWidget>
#include <functional>
#include <string>

class QTextBrowser;

namespace ui {

class KeyboardVisit;

// "Ayuda - Ejercicios 2005": one short page, in Spanish, on what the program is for and
// how to use it, in a window of its own. Like a desk check it never becomes the active
// window nor takes the keyboard focus, so that a student can read it in the middle of a
// series and type on; the mouse still scrolls it and selects its text. Its exercises by
// topic are links, each of which opens its exercise window, by a click or, in F6's visit,
// by Tab and Enter. QtDesktop places it.
class HelpWindow final : public QWidget {
public:
    explicit HelpWindow(std::function<void(const std::string& window)> openExercise);

    // F6 from `window`: the keyboard reads and scrolls the page; Esc or F6 goes back.
    void visitFrom(QWidget& window);
    // Draws the page in the program's font at its zoom.
    void takeFont(const QFont& font);
    // Its size at the zoom, inside its frame: the whole page with room for its widest
    // table row, and the least it narrows to rather than cover another window.
    QSize wantedSize() const;
    QSize leastSize() const;

private:
    QTextBrowser* page_;
    KeyboardVisit* visit_;
    double scale_ = 1.0;  // the zoom, as the font shows it
};

}  // namespace ui
