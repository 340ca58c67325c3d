#include "ui/zoom.h"

#include <QApplication>
#include <QKeyEvent>
#include <QToolTip>
#include <algorithm>

namespace ui {

namespace {

// n / d to the nearest integer, halves away from zero, for d > 0 and either sign of n.
int nearest(int n, int d) { return n >= 0 ? (2 * n + d) / (2 * d) : -((-2 * n + d) / (2 * d)); }

}  // namespace

Zoom::Zoom() { QCoreApplication::instance()->installEventFilter(this); }

bool Zoom::eventFilter(QObject* receiver, QEvent* event) {
    if (event->type() == QEvent::KeyPress && stepFor(static_cast<const QKeyEvent&>(*event))) return true;
    return QObject::eventFilter(receiver, event);
}

int Zoom::px(int twips) const { return nearest(twips * percent(), kTwipsPerPixel * 100); }

// Rounded down: a text never grows faster than the control that holds it.
QFont Zoom::font() const {
    QFont f = QApplication::font();
    f.setPixelSize(f.pixelSize() * percent() / 100);
    return f;
}

bool Zoom::stepFor(const QKeyEvent& key) {
    const Qt::KeyboardModifiers other = key.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    if (other != Qt::ControlModifier) return false;
    switch (key.key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        enlarge();
        return true;
    case Qt::Key_Minus:
        reduce();
        return true;
    case Qt::Key_0:
        restore();
        return true;
    default:
        return false;
    }
}

void Zoom::enlarge() { setStep(std::min(step_ + 1, kPercentSteps.size() - 1)); }

void Zoom::reduce() { setStep(step_ == 0 ? 0 : step_ - 1); }

void Zoom::restore() { setStep(0); }

void Zoom::setPercent(int percent) {
    const auto it = std::find(kPercentSteps.begin(), kPercentSteps.end(), percent);
    if (it != kPercentSteps.end()) setStep(static_cast<std::size_t>(it - kPercentSteps.begin()));
}

void Zoom::follow(QObject* window, std::function<void(const Zoom&)> apply) {
    apply(*this);
    followers_.emplace_back(window, std::move(apply));
}

void Zoom::setStep(std::size_t step) {
    if (step == step_) return;
    step_ = step;
    QToolTip::setFont(font());  // the menu's statements are read from the back of the room too
    std::erase_if(followers_, [](const auto& f) { return f.first.isNull(); });
    for (const auto& [window, apply] : followers_) apply(*this);
}

}  // namespace ui
