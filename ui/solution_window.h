#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/algorithm/diagnostic.h"
#include "engine/algorithm/program.h"
#include "engine/exercise_window.h"
#include "engine/solution/difference.h"
#include "ui/live_desk_check.h"
#include "ui/side_by_side.h"

class QLabel;
class QListWidget;
class QPushButton;
class QTimer;

namespace ui {

class Announcer;
class CodeEditor;
class FormWidget;
class QtDesktop;
class SeriesLog;
struct SolutionDraft;

// "Mi solución - Ejercicio NN": a student's own algorithm for an exercise, written
// beside its window. The text is compiled a moment after each edit, its faults
// underlined and listed; while it compiles, it runs beside the exercise window press
// by press, its desk check in a table under the text and the lines of the newest row
// (or of the row clicked) tinted in it, and the first press where the two differ
// marked in both. "Comprobar" plays the teacher's series and random ones; after a
// difference, "Ver lado a lado" shows that series in both desk checks. Opened from
// the exercise window (F3), it appears beside it without taking its activation; it
// takes the keyboard when clicked, or from F6. The text lives on in the desktop's
// SolutionDraft after the window closes, and reaches a file only when asked.
class SolutionWindow final : public QWidget {
public:
    SolutionWindow(FormWidget& form, const ej::ExerciseWindow& exercise, SolutionDraft& draft, SeriesLog& log,
                   QtDesktop& desktop);

    // Shows it beside its exercise window without activating it, never over what the
    // window shows the student, nor over its desk check.
    void showBeside();
    // F6 from its exercise window or the desk check: the keyboard goes to the text, or to
    // the choice of a start. F6 there goes on to the help, or back.
    void visitFrom();
    // With changes not saved, asks whether to save them, drop them or cancel; false when
    // the changes stay unsaved, so that whatever asked does not go on.
    bool confirmClose();
    void takeFont(const QFont& font);

    // What its buttons do, also for the tests and the scenario runner.
    void start(bool withStatement);
    bool openFile(const QString& path);
    bool saveTo(const QString& path);
    void check();
    void showSideBySide();

    CodeEditor* editor() const { return editor_; }
    // Whether an edit still waits for its compile.
    bool compilePending() const;
    const std::vector<ej::algorithm::Diagnostic>& errors() const { return errors_; }
    QString verdict() const;
    const LiveDeskCheck& live() const { return *live_; }
    SideBySideWindow* sideBySide() const { return sideBySide_; }
    Announcer& announcer() const { return *announcer_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void build();
    void edited();
    void compile();
    void listErrors();
    void showText(const QString& text);
    void showStarted();
    void showVerdict(const QString& text);
    void updateTitle();
    void sizeAndPlace();
    void openAsked();
    bool saveAsked(bool choosePath);
    void goToError(int index);
    // Said where the student is: in the exercise window during its press, else here.
    void tell(const QString& text);

    FormWidget& form_;
    const ej::ExerciseWindow& exercise_;
    SolutionDraft& draft_;
    SeriesLog& log_;
    QtDesktop& desktop_;

    QWidget* startChoice_;
    CodeEditor* editor_;
    QListWidget* errorList_;
    LiveDeskCheck* live_;
    QPushButton* save_;
    QPushButton* saveAs_;
    QPushButton* check_;
    QLabel* verdict_;
    QPushButton* sideBySideButton_;
    Announcer* announcer_;
    QTimer* compileTimer_;
    QPointer<SideBySideWindow> sideBySide_;

    bool compiled_ = false;  // the text as it stands
    std::vector<ej::algorithm::Diagnostic> errors_;
    QStringList saidErrors_;
    // The algorithm "Comprobar" found a difference in, and the series that shows it.
    std::shared_ptr<const ej::algorithm::Program> checked_;
    std::optional<ej::solution::Difference> checkedDifference_;
    double scale_ = 1.0;
};

// "Mi solución - Ejercicio NN", NN being the number the exercise window's caption ends with.
QString solutionCaption(const std::string& exerciseCaption);

}  // namespace ui
