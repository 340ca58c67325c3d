#pragma once

#include <QPointer>
#include <functional>
#include <map>
#include <string>

#include "engine/window.h"
#include "ui/help_window.h"
#include "ui/solution_draft.h"
#include "ui/window_arrangement.h"
#include "ui/zoom.h"

namespace ui {

class FormWidget;

// The windowing operations over Qt Widgets: modeless show, close, activation as the
// program sees it, and the end of the program.
class QtDesktop final : public ej::Desktop {
public:
    // onEnd runs once when the program ends; the real program leaves its event loop there.
    explicit QtDesktop(std::function<void()> onEnd);
    ~QtDesktop() override;

    void show(ej::Window& window) override;
    // Ends the program, once every solution window with changes not saved has asked what
    // to do with them: a cancel there keeps the program running.
    void endProgram() override;

    bool ended() const { return ended_; }
    // The open window's controls, or null when the window is not open.
    FormWidget* widgetOf(const ej::Window& window) const;
    // The program's zoom, which every open window follows and later ones open at.
    Zoom& zoom() { return zoom_; }
    // The program's one help window: F1 in `from`, any window of the program, opens it
    // beside that window, never over its desk check, or closes it wherever it was opened.
    void toggleHelp(const QWidget& from);
    HelpWindow* helpWindow() const { return help_; }
    // F6 into the help from `from`, when it is open; says whether it was.
    bool visitHelp(QWidget& from);
    // "Ordenar ventanas" (Ctrl+L) pressed in `from`, any window of the program: lays out
    // the exercise window it belongs to, else the one last active.
    void arrangeWindows(QWidget& from);
    // Opens the named exercise window as its button in the menu does.
    void openExercise(const std::string& window);
    // The student's solution of an exercise, kept for the whole run.
    SolutionDraft& solutionDraft(const ej::Window& exercise) { return drafts_[&exercise]; }

    // From FormWidget.
    void windowActivated(FormWidget* w);
    void windowDeactivated(FormWidget* w);
    void windowClosed(FormWidget* w);

private:
    FormWidget* exerciseOf(const QWidget& from) const;
    void placeHelp();

    std::function<void()> onEnd_;
    std::map<const ej::Window*, FormWidget*> open_;
    // The window that was active when the program lost the activation to another
    // application: activating it again is a return, not a visit.
    QPointer<FormWidget> awayFrom_;
    QPointer<FormWidget> lastExercise_;  // the exercise window last active
    ej::Window* menu_ = nullptr;         // the first window shown without a series
    QPointer<HelpWindow> help_;
    QPointer<const QWidget> helpBeside_;  // the window the help was opened from, while it lives
    std::map<const ej::Window*, SolutionDraft> drafts_;
    bool ended_ = false;
    Zoom zoom_;
    ArrangeKey arrangeKey_{[this](QWidget& from) { arrangeWindows(from); }};
};

}  // namespace ui
