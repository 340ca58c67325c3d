#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>

namespace ui {

// F6 from the keyboard into a window that otherwise never takes it (a desk check, the
// help), so that a student without a mouse, or listening to a screen reader, can read,
// walk and scroll it: the window is activated with the focus on its first part, and Tab
// moves among its parts. Esc there goes back to the window the visit came from, with its
// focus where it was; F6 goes on to the next such window, or back. Once left, by a key or
// by a click elsewhere, it refuses the focus again. The window it came from takes this
// as a return, not as a visit to another window of the program.
class KeyboardVisit final : public QObject {
public:
    // `parts`, in Tab order, take the focus while it is visited.
    KeyboardVisit(QWidget& window, QList<QWidget*> parts);

    // `onward`, if given, is F6 there: it visits the next window from `from` and says
    // whether there was one.
    void enterFrom(QWidget& from, std::function<bool(QWidget& from)> onward = {});
    bool isVisited() const { return from_ != nullptr; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void acceptFocus(bool accept);
    void leave();

    QWidget& window_;
    QList<QWidget*> parts_;
    QList<Qt::FocusPolicy> policies_;  // the parts' own, given back on leaving
    std::function<bool(QWidget&)> onward_;
    QPointer<QWidget> from_;
};

}  // namespace ui
