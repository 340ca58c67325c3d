#include "ui/qt_desktop.h"

#include <QApplication>

#include "ui/announcer.h"
#include "ui/form_widget.h"

namespace ui {

QtDesktop::QtDesktop(std::function<void()> onEnd) : onEnd_(std::move(onEnd)) {}

QtDesktop::~QtDesktop() {
    ended_ = true;
    delete help_;
    for (auto& [logic, widget] : open_) delete widget;
}

FormWidget* QtDesktop::widgetOf(const ej::Window& window) const {
    auto it = open_.find(&window);
    return it == open_.end() ? nullptr : it->second;
}

void QtDesktop::show(ej::Window& window) {
    if (ended_) return;
    FormWidget* w = widgetOf(window);
    if (!w) {
        w = new FormWidget(window, *this);
        open_[&window] = w;
        window.attach(w);
    }
    w->show();
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) w->raise();  // offscreen has no stacking
    w->activateWindow();
}

void QtDesktop::toggleHelp(const QWidget& from) {
    if (ended_) return;
    // Told in the window F1 was pressed in, since the help never takes the focus by itself.
    Announcer* told = Announcer::of(from);
    if (help_) {
        delete help_;
        if (told) told->say(QStringLiteral("Ayuda cerrada"));
        return;
    }
    help_ = new HelpWindow;
    zoom_.follow(help_, [help = help_](const Zoom& zoom) { help->takeFont(zoom.font()); });
    help_->showBeside(from);
    if (told) told->say(QStringLiteral("Ayuda abierta: F6 va a ella"));
}

bool QtDesktop::visitHelp(QWidget& from) {
    if (!help_) return false;
    help_->visitFrom(from);
    return true;
}

void QtDesktop::windowActivated(FormWidget* w) {
    if (ended_ || w->isClosing()) return;
    const bool returning = awayFrom_ == w;
    awayFrom_ = nullptr;
    if (!returning) w->logic().activated();
}

void QtDesktop::windowDeactivated(FormWidget* w) {
    // A desk check or the help never takes the activation; should a window manager hand
    // one of them it all the same, coming back from it is no visit either.
    if (!ended_ && !w->isClosing() && !dynamic_cast<FormWidget*>(QApplication::activeWindow())) awayFrom_ = w;
}

void QtDesktop::windowClosed(FormWidget* w) {
    if (ended_) return;
    w->closeCompanions();
    w->logic().attach(nullptr);
    open_.erase(&w->logic());
    w->deleteLater();
    // The program's life is the life of its windows.
    if (open_.empty()) endProgram();
}

void QtDesktop::endProgram() {
    if (ended_) return;
    for (auto& [logic, widget] : open_)
        if (!widget->solutionMayClose()) return;
    ended_ = true;
    for (auto& [logic, widget] : open_) {
        widget->closeCompanions();
        widget->logic().attach(nullptr);
        widget->hide();
        widget->deleteLater();
    }
    open_.clear();
    delete help_;
    if (onEnd_) onEnd_();
}

}  // namespace ui
