#include "ui/keyboard_visit.h"

#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWindow>

namespace ui {

namespace {

// Text that only the mouse selects has no caret for the keyboard or a screen reader.
template <class Text>
bool letKeyboardRead(QWidget* part, bool read) {
    auto* text = qobject_cast<Text*>(part);
    if (!text) return false;
    text->setTextInteractionFlags(text->textInteractionFlags().setFlag(Qt::TextSelectableByKeyboard, read));
    return true;
}

}  // namespace

KeyboardVisit::KeyboardVisit(QWidget& window, QList<QWidget*> parts)
    : QObject(&window), window_(window), parts_(std::move(parts)) {
    for (QWidget* part : parts_) {
        policies_ << part->focusPolicy();
        part->installEventFilter(this);
    }
    window_.installEventFilter(this);
}

void KeyboardVisit::enterFrom(QWidget& from, std::function<bool(QWidget&)> onward) {
    from_ = &from;
    onward_ = std::move(onward);
    acceptFocus(true);
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) window_.raise();  // offscreen has no stacking
    window_.activateWindow();
    if (!parts_.isEmpty()) parts_.front()->setFocus(Qt::TabFocusReason);
}

void KeyboardVisit::acceptFocus(bool accept) {
    if (QWindow* handle = window_.windowHandle()) handle->setFlag(Qt::WindowDoesNotAcceptFocus, !accept);
    for (qsizetype i = 0; i < parts_.size(); ++i) {
        parts_[i]->setFocusPolicy(accept ? Qt::StrongFocus : policies_[i]);
        if (!letKeyboardRead<QPlainTextEdit>(parts_[i], accept)) letKeyboardRead<QTextEdit>(parts_[i], accept);
    }
}

void KeyboardVisit::leave() {
    QPointer<QWidget> back = from_;
    from_ = nullptr;
    acceptFocus(false);
    if (back) back->activateWindow();
}

bool KeyboardVisit::eventFilter(QObject* watched, QEvent* event) {
    if (!isVisited()) return false;
    if (watched == &window_ && event->type() == QEvent::WindowDeactivate) {
        // Left by a click elsewhere: no longer visited, and back to refusing the focus.
        from_ = nullptr;
        acceptFocus(false);
        return false;
    }
    if (event->type() != QEvent::KeyPress) return false;
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Escape:
        leave();
        return true;
    case Qt::Key_F6: {
        QPointer<QWidget> from = from_;
        if (onward_ && from && onward_(*from)) {
            if (from_) {  // still ours unless the next window is this one
                from_ = nullptr;
                acceptFocus(false);
            }
        } else {
            leave();
        }
        return true;
    }
    default:
        return false;
    }
}

}  // namespace ui
