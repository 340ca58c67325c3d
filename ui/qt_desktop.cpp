#include "ui/qt_desktop.h"

#include <QApplication>
#include <QScreen>
#include <algorithm>

#include "engine/exercise_window.h"
#include "ui/announcer.h"
#include "ui/form_widget.h"
#include "ui/notice.h"
#include "ui/placement.h"

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
    if (!menu_ && !dynamic_cast<ej::ExerciseWindow*>(&window)) menu_ = &window;
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
    help_ = new HelpWindow([this](const std::string& window) { openExercise(window); });
    helpBeside_ = &from;
    zoom_.follow(help_, [this](const Zoom& zoom) {
        help_->takeFont(zoom.font());
        placeHelp();
    });
    help_->show();
    if (told) told->say(QStringLiteral("Ayuda abierta: F6 va a ella"));
}

// Beside the window it was opened from, to its left first: its desk check takes the right
// first. Clear of that window, of its exercise window's desk check and solution, at half
// its least size if it must; where nothing clears them all, clear of the desk check at
// least. Its window closed since, it stays where it is.
void QtDesktop::placeHelp() {
    const QSize wanted = help_->wantedSize(), least = help_->leastSize();
    if (!helpBeside_) return help_->resize(wanted.boundedTo(help_->screen()->availableGeometry().size()));
    const QWidget& window = *helpBeside_;
    const QRect outside = window.frameGeometry();
    const QSize frame = outside.size() - window.size();  // the window manager's borders and title bar
    QList<QRect> deskCheck, inSight{outside};
    if (const FormWidget* exercise = exerciseOf(window)) {
        if (exercise->traceWindow()) deskCheck << exercise->traceWindow()->frameGeometry();
        if (exercise->solutionWindow() && exercise->solutionWindow()->isVisible())
            inSight << exercise->solutionWindow()->frameGeometry();
        if (exercise != &window) inSight << exercise->frameGeometry();
    }
    const QRect screen = window.screen()->availableGeometry();
    const struct {
        QList<QRect> kept;
        QSize least;
    } tries[] = {{inSight + deskCheck, least}, {inSight + deskCheck, least / 2}, {deskCheck, least},
                 {deskCheck, least / 2}};
    QRect at;
    for (const auto& clear : tries) {
        at = besideWindow(outside, clear.kept, wanted + frame, clear.least + frame, screen, true);
        if (std::none_of(clear.kept.begin(), clear.kept.end(), [&](const QRect& r) { return at.intersects(r); })) break;
    }
    help_->resize(at.size() - frame);
    help_->move(at.topLeft());
}

// The window itself, or the one a desk check or a solution belongs to; from anywhere else
// (the menu, the help), the exercise window last active, while it is open.
FormWidget* QtDesktop::exerciseOf(const QWidget& from) const {
    for (const QWidget* w = from.window(); w; w = w->parentWidget() ? w->parentWidget()->window() : nullptr)
        if (auto* form = dynamic_cast<FormWidget*>(const_cast<QWidget*>(w)))
            if (dynamic_cast<const ej::ExerciseWindow*>(&form->logic())) return form;
    return lastExercise_ && !lastExercise_->isClosing() ? lastExercise_.data() : nullptr;
}

void QtDesktop::arrangeWindows(QWidget& from) {
    if (ended_) return;
    FormWidget* exercise = exerciseOf(from);
    if (!exercise) return showNotice(*from.window(), QStringLiteral("Abra un ejercicio para ordenar sus ventanas"));
    QList<QWidget*> behind;
    if (FormWidget* menu = menu_ ? widgetOf(*menu_) : nullptr) behind << menu;
    ui::arrangeWindows(*exercise, zoom_, behind);
}

// The menu's button for frmejNN is cmdejNN; the menu need not be open.
void QtDesktop::openExercise(const std::string& window) {
    if (!ended_ && menu_ && window.starts_with("frm")) menu_->clicked("cmd" + window.substr(3));
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
    auto* exercise = dynamic_cast<const ej::ExerciseWindow*>(&w->logic());
    if (exercise) lastExercise_ = w;
    if (returning) return;
    w->logic().activated();
    // A reset that dropped values is news: a student who only clicked elsewhere and back
    // would otherwise wonder where the series went.
    if (exercise && exercise->dropped() > 0)
        showNotice(*w, QStringLiteral("La serie empezó de nuevo: al volver a esta ventana se reinicia la cuenta"));
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
