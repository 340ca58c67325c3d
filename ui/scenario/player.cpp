#include "ui/scenario/player.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTextBlock>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <qpa/qwindowsysteminterface.h>
#include <sstream>

#include "shell/catalog.h"
#include "shell/program.h"
#include "ui/algorithm_pane.h"
#include "ui/code_editor.h"
#include "ui/form_widget.h"
#include "ui/qt_desktop.h"
#include "ui/scenario/script.h"
#include "ui/solution_window.h"
#include "ui/trace_model.h"

namespace scenario {

namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

std::string quote(const QString& s) {
    std::string out = "\"";
    for (char c : s.toStdString()) {
        if (c == '"' || c == '\\') out += '\\';
        if (c == '\t' || c == '\n') {
            out += c == '\t' ? "\\t" : "\\n";
            continue;
        }
        out += c;
    }
    return out + "\"";
}

// A failed command: what was expected and what was found.
struct Failure {
    std::string expected, got;
};

class Player {
public:
    Player(const Script& script, bool traces, QString folder)
        : desktop_(nullptr), program_(desktop_, {script.decimal, script.thousands}), traces_(traces),
          folder_(std::move(folder)) {
        program_.start();
        settle();
    }

    // Runs one command; returns a failure or nothing.
    std::optional<Failure> run(const Command& c) {
        const auto& w = c.words;
        if (traces_) openTraces();
        if (c.verb == "away") {
            QWindowSystemInterface::handleWindowActivated(nullptr);
            return settle();
        }
        if (c.verb == "enter") return enter(c);
        if (c.verb == "expect" && w[0] == "program") {
            const std::string state = desktop_.ended() ? "ended" : "running";
            return same("program " + w[1], "program " + state);
        }
        if (c.verb == "expect" && w[0] == "trace") return expectTrace(w);
        if (c.verb == "expect" && w[0] == "algorithm") return expectAlgorithm(w);
        if (c.verb == "click") return clickTrace(w);
        if (c.verb == "solution") return solution(w);
        if (c.verb == "expect" && w[0] == "solution") return expectSolution(w);
        if (c.verb == "expect" && w[0] == "ayuda") {
            const bool open = desktop_.helpWindow() && desktop_.helpWindow()->isVisible();
            return same("ayuda open " + w[2], "ayuda open " + yesNo(open));
        }
        ui::FormWidget* form = widget(w[0]);
        if (c.verb == "expect" && w[1] == "open") return same(w[0] + " open " + w[2], w[0] + " open " + (form ? "yes" : "no"));
        if (!form) return Failure{w[0] + " open", w[0] + " not open"};

        if (c.verb == "activate") return activate(form);
        if (c.verb == "close") {
            QWindowSystemInterface::handleCloseEvent(form->windowHandle());
            return settle();
        }
        if (c.verb == "expect" && w[1] == "active") return same(w[0] + " active " + w[2], w[0] + " active " + yesNo(isActive(form)));
        if (c.verb == "expect" && w[1] == "caption") return same(quote(qs(w[2])), quote(form->windowTitle()));
        if (c.verb == "key") return key(form, w[0], w[1]);
        if (c.verb == "menu") return chooseFromMenu(form, w[0], w[1]);
        if (c.verb == "expect" && w[1] == "texts") return expectTexts(form, w);

        QWidget* control = form->control(qs(w[1]));
        if (!control) return Failure{"control " + w[1] + " in " + w[0], "none"};
        if (c.verb == "press") return press(form, control);
        if (c.verb == "type") return type(form, control, w[2]);
        return expect(form, control, w);
    }

private:
    ui::FormWidget* widget(const std::string& name) {
        ej::Window* window = program_.find(name);
        return window ? desktop_.widgetOf(*window) : nullptr;
    }

    static bool isActive(ui::FormWidget* form) { return QApplication::activeWindow() == form; }
    static std::string yesNo(bool b) { return b ? "yes" : "no"; }

    static std::optional<Failure> same(const std::string& expected, const std::string& got) {
        if (expected == got) return std::nullopt;
        return Failure{expected, got};
    }

    // Lets Qt deliver everything the last command caused.
    std::optional<Failure> settle() {
        for (int i = 0; i < 4; ++i) {
            QWindowSystemInterface::flushWindowSystemEvents();
            QCoreApplication::sendPostedEvents();
            QCoreApplication::processEvents();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return std::nullopt;
    }

    // A click on the title bar: the window manager activates the window.
    std::optional<Failure> activate(ui::FormWidget* form) {
        form->raise();
        QWindowSystemInterface::handleWindowActivated(form->windowHandle(), Qt::ActiveWindowFocusReason);
        return settle();
    }

    // A click in a window that is not active makes it active first, as a real click does.
    void bringForward(ui::FormWidget* form) {
        if (!isActive(form)) activate(form);
    }

    std::optional<Failure> press(ui::FormWidget* form, QWidget* control) {
        if (!qobject_cast<QPushButton*>(control)) return Failure{"a button", control->objectName().toStdString()};
        bringForward(form);
        QTest::mouseClick(control, Qt::LeftButton);
        return settle();
    }

    std::optional<Failure> type(ui::FormWidget* form, QWidget* control, const std::string& text) {
        auto* box = qobject_cast<QLineEdit*>(control);
        if (!box) return Failure{"a text box", control->objectName().toStdString()};
        bringForward(form);
        if (!widget(form->objectName().toStdString())) return settle();
        QTest::mouseClick(box, Qt::LeftButton);
        // Keys go to the box itself: a disabled box drops them, a read-only one ignores them.
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        const QString typed = qs(text);
        if (typed.isEmpty()) QTest::keyClick(box, Qt::Key_Backspace);
        for (qsizetype i = 0; i < typed.size(); ++i) {
            QString unit(typed[i]);
            if (typed[i].isHighSurrogate() && i + 1 < typed.size()) unit += typed[++i];
            QTest::sendKeyEvent(QTest::Press, box, Qt::Key_unknown, unit, Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, box, Qt::Key_unknown, unit, Qt::NoModifier);
        }
        return settle();
    }

    std::optional<Failure> key(ui::FormWidget* form, const std::string& window, const std::string& name) {
        if (!isActive(form)) return Failure{window + " active", window + " not active"};
        if (isZoomKey(name)) {
            const Qt::Key zoomKey = name == "Ctrl++" ? Qt::Key_Plus : name == "Ctrl+-" ? Qt::Key_Minus : Qt::Key_0;
            QTest::keyClick(form->focusWidget() ? form->focusWidget() : form, zoomKey, Qt::ControlModifier);
            return settle();
        }
        const Qt::Key k = name == "Enter"   ? Qt::Key_Return
                          : name == "Space" ? Qt::Key_Space
                          : name == "Tab"   ? Qt::Key_Tab
                          : name == "F1"    ? Qt::Key_F1
                          : name == "F2"    ? Qt::Key_F2
                          : name == "F3"    ? Qt::Key_F3
                                            : Qt::Key_Escape;
        QWidget* target = form->focusWidget() ? form->focusWidget() : form;
        QTest::keyClick(target, k);
        return settle();
    }

    // A right-click in the window's top-left corner, clear of its controls, then a click
    // on the entry of the context menu that opens.
    std::optional<Failure> chooseFromMenu(ui::FormWidget* form, const std::string& window, const std::string& entry) {
        bringForward(form);
        QTest::mouseClick(form->windowHandle(), Qt::RightButton, {}, QPoint(1, 1));
        settle();
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) return Failure{"a context menu in " + window, "none"};
        std::string entries;
        for (QAction* action : menu->actions()) {
            if (action->text() == qs(entry)) {
                QTest::mouseClick(menu->windowHandle(), Qt::LeftButton, {}, menu->actionGeometry(action).center());
                return settle();
            }
            if (!action->isSeparator()) entries.append(entries.empty() ? "" : " ").append(quote(action->text()));
        }
        menu->close();
        settle();
        return Failure{"an entry " + quote(qs(entry)) + " in the menu of " + window, entries};
    }

    // Each text in turn as a `type` command followed by a `key Enter` one.
    std::optional<Failure> enter(const Command& c) {
        for (std::size_t i = 2; i < c.words.size(); ++i) {
            if (auto failure = run({c.line, "type", {c.words[0], c.words[1], c.words[i]}, {false, false, true}}))
                return failure;
            if (auto failure = run({c.line, "key", {c.words[0], "Enter"}, {false, false}})) return failure;
        }
        return std::nullopt;
    }

    // Several text expectations; the first that differs is the failure.
    std::optional<Failure> expectTexts(ui::FormWidget* form, const std::vector<std::string>& w) {
        for (std::size_t i = 2; i + 1 < w.size(); i += 2) {
            QWidget* control = form->control(qs(w[i]));
            if (!control) return Failure{"control " + w[i] + " in " + w[0], "none"};
            if (auto failure = expect(form, control, {w[0], w[i], "text", w[i + 1]})) return failure;
        }
        return std::nullopt;
    }

    std::optional<Failure> expect(ui::FormWidget* form, QWidget* control, const std::vector<std::string>& w) {
        const std::string& what = w[2];
        const std::string subject = w[0] + " " + w[1] + " " + what + " ";
        if (what == "text") {
            QString shown;
            if (auto* box = qobject_cast<QLineEdit*>(control))
                shown = box->text();
            else if (auto* label = qobject_cast<QLabel*>(control))
                shown = label->text();
            else
                shown = static_cast<QPushButton*>(control)->text();
            return same(subject + quote(qs(w[3])), subject + quote(shown));
        }
        if (what == "tooltip") return same(subject + quote(qs(w[3])), subject + quote(control->toolTip()));
        if (what == "geometry") {
            const QRect g = control->geometry();
            const std::string got = std::to_string(g.x()) + " " + std::to_string(g.y()) + " " +
                                    std::to_string(g.width()) + " " + std::to_string(g.height());
            return same(subject + w[3] + " " + w[4] + " " + w[5] + " " + w[6], subject + got);
        }
        bool actual = false;
        if (what == "enabled") actual = control->isEnabled();
        if (what == "default") actual = form->defaultButton() == control;
        if (what == "focus") actual = form->focusWidget() == control;
        return same(subject + w[3], subject + yesNo(actual));
    }

    // Opens the desk check of every open exercise window that has none.
    void openTraces() {
        for (const auto& [name, factory] : ej::catalog())
            if (ui::FormWidget* form = widget(name); form && !form->traceWindow()) form->toggleTrace();
        settle();
    }

    // The desk check of an exercise window, when it is open.
    ui::TraceWindow* openTrace(const std::string& window) {
        ui::FormWidget* form = widget(window);
        ui::TraceWindow* trace = form ? form->traceWindow() : nullptr;
        return trace && trace->isVisible() ? trace : nullptr;
    }

    static std::string lineList(const std::vector<int>& lines) {
        std::string out;
        for (int l : lines) out.append(" ").append(std::to_string(l));
        return out;
    }

    // What the algorithm beside the desk check of w[1] marks, or one of its lines.
    std::optional<Failure> expectAlgorithm(const std::vector<std::string>& w) {
        const ui::TraceWindow* trace = openTrace(w[1]);
        if (!trace) return Failure{"trace " + w[1] + " open", "trace " + w[1] + " not open"};
        const ui::AlgorithmPane* pane = trace->pane();
        if (!pane) return Failure{"an algorithm beside the trace of " + w[1], "none"};
        const auto& marks = pane->marks();
        const std::string subject = "algorithm " + w[1] + " " + w[2];
        if (w[2] == "waiting") {
            const std::string got = !marks.waiting ? "ninguna" : marks.ended ? "fin" : std::to_string(marks.waiting);
            return same(subject + " " + w[3], subject + " " + got);
        }
        if (w[2] == "ran" || w[2] == "marked") {
            std::string expected = subject;
            for (std::size_t i = 3; i < w.size(); ++i) expected.append(" ").append(w[i]);
            return same(expected, subject + lineList(w[2] == "ran" ? marks.ranLines() : pane->assigning()));
        }
        const auto line = static_cast<std::size_t>(std::stoi(w[3]));
        const std::string at = subject + " " + w[3] + " ";
        QString shown;
        if (w[2] == "note") {
            if (line <= marks.lines.size()) shown = qs(marks.lines[line - 1].note());
        } else {
            const QTextBlock block = pane->document()->findBlockByNumber(static_cast<int>(line) - 1);
            if (!block.isValid()) return Failure{at + quote(qs(w[4])), "no line " + w[3]};
            shown = block.text();
        }
        return same(at + quote(qs(w[4])), at + quote(shown));
    }

    // A click on an event row of the desk check's table, or on a column's header.
    std::optional<Failure> clickTrace(const std::vector<std::string>& w) {
        ui::TraceWindow* trace = openTrace(w[1]);
        if (!trace) return Failure{"trace " + w[1] + " open", "trace " + w[1] + " not open"};
        QTableView* table = trace->table();
        const ui::TraceModel& model = trace->model();
        if (w[2] == "row") {
            const int row = std::stoi(w[3]);
            if (row > model.eventRows())
                return Failure{"trace " + w[1] + " row " + w[3],
                               "trace " + w[1] + " rows " + std::to_string(model.eventRows())};
            const QModelIndex at = model.index(model.firstEventRow() + row - 1, 0);
            table->scrollTo(at);
            QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(at).center());
            return settle();
        }
        int column = 0;
        const auto named = [&](int c) { return model.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString() == qs(w[3]); };
        while (column < model.columnCount() && !named(column)) ++column;
        if (column == model.columnCount()) return Failure{"a column " + quote(qs(w[3])) + " in trace " + w[1], "none"};
        if (model.rowCount() > 0) table->scrollTo(model.index(model.rowCount() - 1, column));
        QHeaderView* header = table->horizontalHeader();
        const QPoint middle(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                            header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, middle);
        return settle();
    }

    // What the trace window of w[1] shows, read from its table's model.
    std::optional<Failure> expectTrace(const std::vector<std::string>& w) {
        const std::string subject = "trace " + w[1] + " " + w[2] + " ";
        ui::FormWidget* form = widget(w[1]);
        const ui::TraceWindow* trace = form ? form->traceWindow() : nullptr;
        const bool open = trace && trace->isVisible();
        if (w[2] == "open") return same(subject + w[3], subject + yesNo(open));
        if (!open) return Failure{"trace " + w[1] + " open", "trace " + w[1] + " not open"};
        const ui::TraceModel& table = trace->model();
        if (w[2] == "rows") return same(subject + w[3], subject + std::to_string(table.eventRows()));
        std::vector<std::string> headers;
        for (int c = 0; c < table.columnCount(); ++c)
            headers.push_back(table.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString().toStdString());
        if (w[2] == "columns") {
            std::string expected = "trace " + w[1] + " columns", got = expected;
            // Blank and text appended apart: `" " + text` is a false -Wrestrict at -O3.
            for (std::size_t i = 3; i < w.size(); ++i) expected.append(" ").append(quote(qs(w[i])));
            for (const auto& h : headers) got.append(" ").append(quote(qs(h)));
            return same(expected, got);
        }
        const std::string cell = subject + w[3] + " " + quote(qs(w[4])) + " ";
        const int column = static_cast<int>(std::find(headers.begin(), headers.end(), w[4]) - headers.begin());
        const int row = std::stoi(w[3]);
        if (column == table.columnCount()) return Failure{cell + quote(qs(w[5])), "no column " + quote(qs(w[4]))};
        if (row > table.eventRows()) return Failure{cell + quote(qs(w[5])), "trace " + w[1] + " rows " + std::to_string(table.eventRows())};
        const QModelIndex at = table.index(table.firstEventRow() + row - 1, column);
        return same(cell + quote(qs(w[5])), cell + quote(table.data(at, Qt::DisplayRole).toString()));
    }

    // The solution window of an exercise window, when it is open.
    ui::SolutionWindow* openSolution(const std::string& window) {
        ui::FormWidget* form = widget(window);
        ui::SolutionWindow* solution = form ? form->solutionWindow() : nullptr;
        return solution && solution->isVisible() ? solution : nullptr;
    }

    // A click in the solution window makes it active first, as a real click does.
    void bringForward(ui::SolutionWindow* solution) {
        if (QApplication::activeWindow() == solution) return;
        QWindowSystemInterface::handleWindowActivated(solution->windowHandle(), Qt::ActiveWindowFocusReason);
        settle();
    }

    std::optional<Failure> click(ui::SolutionWindow* solution, const QString& caption) {
        for (QPushButton* b : solution->findChildren<QPushButton*>()) {
            if (b->text() != caption || !b->isVisible()) continue;
            bringForward(solution);
            QTest::mouseClick(b, Qt::LeftButton);
            return settle();
        }
        return Failure{"a button " + quote(caption) + " in the solution", "none"};
    }

    // Opens the solution window as F3 does, or types, loads or checks in it.
    std::optional<Failure> solution(const std::vector<std::string>& w) {
        ui::FormWidget* form = widget(w[0]);
        if (!form) return Failure{w[0] + " open", w[0] + " not open"};
        if (w[1] == "open") {
            if (!openSolution(w[0])) form->toggleSolution();
            return settle();
        }
        ui::SolutionWindow* solution = openSolution(w[0]);
        if (!solution) return Failure{"solution " + w[0] + " open", "solution " + w[0] + " not open"};
        if (w[1] == "check") return click(solution, QStringLiteral("Comprobar"));
        if (w[1] == "load") {
            solution->openFile(QDir(folder_).filePath(qs(w[2])));
            return settle();
        }
        // Typed, as a paste over the whole text, then the pause that compiles it.
        if (!desktop_.solutionDraft(*program_.find(w[0])).started)
            if (auto failure = click(solution, QStringLiteral("Empezar en blanco"))) return failure;
        bringForward(solution);
        solution->editor()->selectAll();
        solution->editor()->insertPlainText(qs(w[2]));
        if (!QTest::qWaitFor([&] { return !solution->compilePending(); }, 2000))
            return Failure{"the text compiled", "no compile within 2 s"};
        return settle();
    }

    // A text, whole, or its beginning when the expected text ends with "…".
    static std::optional<Failure> sameText(const std::string& subject, const std::string& expected, const QString& shown) {
        const std::string ellipsis = "…";
        const bool prefix = expected.size() >= ellipsis.size() &&
                            expected.compare(expected.size() - ellipsis.size(), ellipsis.size(), ellipsis) == 0;
        const QString wanted = qs(prefix ? expected.substr(0, expected.size() - ellipsis.size()) : expected);
        if (prefix ? shown.startsWith(wanted) : shown == wanted) return std::nullopt;
        return Failure{subject + quote(qs(expected)), subject + quote(shown)};
    }

    // What the solution window of w[1] shows.
    std::optional<Failure> expectSolution(const std::vector<std::string>& w) {
        const std::string subject = "solution " + w[1] + " " + w[2] + " ";
        const ui::SolutionWindow* solution = openSolution(w[1]);
        if (w[2] == "open") return same(subject + w[3], subject + yesNo(solution));
        if (!solution) return Failure{"solution " + w[1] + " open", "solution " + w[1] + " not open"};
        if (w[2] == "verdict") return sameText(subject, w[3], solution->verdict());
        if (w[2] == "difference") return sameText(subject, w[3], solution->live().difference());
        if (w[2] == "rows") {
            const int rows = solution->live().table() ? solution->live().table()->eventRows() : 0;
            return same(subject + w[3], subject + std::to_string(rows));
        }
        const auto& errors = solution->errors();
        return same(subject + w[3],
                    subject + (errors.empty() ? std::string("ninguno") : std::to_string(errors.front().span.begin.line)));
    }

    ui::QtDesktop desktop_;
    ej::Program program_;
    bool traces_;
    QString folder_;  // the scenario file's, which the paths it names are relative to
};

}  // namespace

bool play(const std::string& file, bool traces) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        std::printf("FAIL %s:0: expected a readable file, got none\n", file.c_str());
        return false;
    }
    std::stringstream content;
    content << in.rdbuf();
    const Script script = parse(content.str());
    if (script.error) {
        std::printf("FAIL %s:%d: %s\n", file.c_str(), script.error->first, script.error->second.c_str());
        return false;
    }
    Player player(script, traces, QFileInfo(QString::fromStdString(file)).absolutePath());
    for (const Command& c : script.commands) {
        if (auto failure = player.run(c)) {
            std::printf("FAIL %s:%d: expected %s, got %s\n", file.c_str(), c.line, failure->expected.c_str(),
                        failure->got.c_str());
            return false;
        }
    }
    std::printf("ok %s\n", file.c_str());
    return true;
}

}  // namespace scenario
