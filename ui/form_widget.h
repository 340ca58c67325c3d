#pragma once

#include <QHash>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QString>
#include <QWidget>
#include <memory>
#include <optional>

#include "engine/window.h"
#include "ui/announcer.h"
#include "ui/solution_window.h"
#include "ui/trace_window.h"

class QLineEdit;

namespace ui {

class QtDesktop;
class SeriesLog;
class Zoom;

// The controls of one open window, built from its design. It is the window's View
// and hands the window's events to its logic.
class FormWidget final : public QWidget, public ej::View {
public:
    FormWidget(ej::Window& logic, QtDesktop& desktop);
    ~FormWidget() override;

    ej::Window& logic() const { return logic_; }
    QWidget* control(const QString& name) const { return controls_.value(name); }
    QPushButton* defaultButton() const { return defaultButton_; }
    bool isClosing() const { return closing_; }
    // The desk check of an exercise window: F2 opens and closes it.
    TraceWindow* traceWindow() const { return trace_; }
    void toggleTrace();
    void closeTrace();
    // The student's own solution of an exercise window: F3 opens and closes it.
    SolutionWindow* solutionWindow() const { return solution_; }
    void toggleSolution();
    // Whether the window's solution, if open, may close: it asks about changes not saved.
    bool solutionMayClose() const;
    // What a desk check or a solution beside the window must never cover.
    QList<QWidget*> controlsInSight() const;
    // As the window closes: its desk check and its solution go with it, and its series
    // log no longer follows the exercise.
    void closeCompanions();
    // What the window says to a screen reader beyond its focused control.
    Announcer& announcer() const { return *announcer_; }

    // View
    std::string text(std::string_view control) const override;
    void setText(std::string_view control, std::string_view text) override;
    void setEnabled(std::string_view control, bool enabled) override;
    void setDefault(std::string_view button) override;
    void focus(std::string_view control) override;
    void close() override;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* require(std::string_view control) const;
    void build();
    void place(const Zoom& zoom);
    void nameForScreenReaders(const ej::WindowDesign& d);
    static void nameLabel(QLabel* label);
    QString heardAs(const QWidget* control, const QString& text) const;
    void visitNext();
    bool visitSolution();
    void openContextMenu(QLineEdit* box, const QPoint& at);
    bool walkButtons(QPushButton& from, const QKeyEvent& key);

    ej::Window& logic_;
    QtDesktop& desktop_;
    QHash<QString, QWidget*> controls_;
    QPushButton* defaultButton_ = nullptr;
    bool closing_ = false;
    QPointer<TraceWindow> trace_;
    QPointer<SolutionWindow> solution_;
    // An exercise window's series, from its opening, for a solution opened mid-series.
    std::unique_ptr<SeriesLog> series_;
    Announcer* announcer_ = nullptr;
    // The top-left corner the student gave the window, and where a zoom last put it.
    QPoint home_;
    std::optional<QPoint> placedAt_;
};

}  // namespace ui
