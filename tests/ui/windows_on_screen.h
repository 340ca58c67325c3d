// What the window tests share: the program running with its menu, a laptop's or a
// projector's screen for a test's length, and the parts of an exercise window a student
// must see.
#pragma once

#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <qpa/qwindowsysteminterface.h>
#include <string>

#include "engine/exercise_window.h"
#include "shell/program.h"
#include "ui/form_widget.h"
#include "ui/qt_desktop.h"

namespace test {

// The program with its menu shown, as a student starts it.
struct Running {
    ui::QtDesktop desktop{nullptr};
    ej::Program program{desktop, {",", "."}};

    Running() { show("frm2005"); }
    // Shows the named window, activated.
    ui::FormWidget* show(const std::string& window) {
        desktop.show(*program.window(window));
        QApplication::processEvents();
        return desktop.widgetOf(*program.window(window));
    }
    ej::ExerciseWindow& exercise(const std::string& window) {
        return static_cast<ej::ExerciseWindow&>(*program.window(window));
    }
    // A click on its title bar: the window manager activates it.
    static void activate(QWidget* window) {
        QWindowSystemInterface::handleWindowActivated(window->windowHandle(), Qt::ActiveWindowFocusReason);
        QWindowSystemInterface::flushWindowSystemEvents();
        QApplication::processEvents();
    }
    // The activation gone to another application.
    static void away() {
        QWindowSystemInterface::handleWindowActivated(nullptr, Qt::ActiveWindowFocusReason);
        QWindowSystemInterface::flushWindowSystemEvents();
        QApplication::processEvents();
    }
};

// The offscreen screen at another size for a test's length; a panel takes its top 28 pixels.
class ScreenOf {
public:
    explicit ScreenOf(QSize size) : was_(screen()->geometry()), wasAvailable_(screen()->availableGeometry()) {
        set(QRect(QPoint(), size), QRect(QPoint(), size).adjusted(0, 28, 0, 0));
    }
    ~ScreenOf() { set(was_, wasAvailable_); }
    static QScreen* screen() { return QGuiApplication::primaryScreen(); }
    static QRect available() { return screen()->availableGeometry(); }

private:
    static void set(const QRect& all, const QRect& available) {
        QWindowSystemInterface::handleScreenGeometryChange(screen(), all, available);
        QCoreApplication::processEvents();
    }
    QRect was_, wasAvailable_;
};

inline QRect onScreen(const QWidget* control) { return {control->mapToGlobal(QPoint()), control->size()}; }

inline std::string text(const QRect& r) {
    return std::to_string(r.width()) + "x" + std::to_string(r.height()) + " at " + std::to_string(r.x()) + "," +
           std::to_string(r.y());
}

// What the student must see of an exercise window: its title bar, its statement, its input
// box, its message label and its result boxes.
inline QList<QRect> inSight(const ui::FormWidget* form, const ej::ExerciseWindow& w) {
    const auto rect = [form](const std::string& name) { return onScreen(form->control(QString::fromStdString(name))); };
    const QRect outside = form->frameGeometry();
    QList<QRect> kept{QRect(outside.topLeft(), QPoint(outside.right(), form->geometry().top() - 1)),
                      rect(w.statementLabel()), rect(w.inputBox()), rect(w.messageLabel())};
    for (const auto& c : w.design().controls)
        if (c.kind == ej::ControlKind::TextBox && c.readOnly) kept << rect(c.name);
    return kept;
}

}  // namespace test
