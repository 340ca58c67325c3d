#include "ui/form_widget.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QStyle>
#include <QWindow>
#include <algorithm>
#include <stdexcept>

#include "engine/exercise_window.h"
#include "ui/accessibility.h"
#include "ui/announcer.h"
#include "ui/button_grid.h"
#include "ui/placement.h"
#include "ui/qt_desktop.h"
#include "ui/series_log.h"
#include "ui/solution_window.h"
#include "ui/trace_window.h"
#include "ui/window_menu.h"
#include "ui/zoom.h"

namespace ui {

namespace {

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// A text wider than its box shows only in part, which the box keeps its designed size
// for: its tooltip and its description for a screen reader give it whole.
void tellWholeTextIfCut(QLineEdit* box) {
    static const char* const kOwnDescription = "ownDescription";
    // The style's frame and the line edit's own margin of 2 pixels on either side.
    const int room = box->width() - 2 * (box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, box) + 2);
    const bool cut = box->fontMetrics().horizontalAdvance(box->text()) > room;
    if (!cut && !box->property(kOwnDescription).isValid()) return;  // never cut so far
    if (!box->property(kOwnDescription).isValid()) box->setProperty(kOwnDescription, box->accessibleDescription());
    const QString own = box->property(kOwnDescription).toString();
    box->setToolTip(cut ? box->text() : QString());
    box->setAccessibleDescription(cut ? own + QStringLiteral(", ") + box->text() : own);
}

}  // namespace

FormWidget::FormWidget(ej::Window& logic, QtDesktop& desktop) : logic_(logic), desktop_(desktop) {
    build();
    if (auto* exercise = dynamic_cast<ej::ExerciseWindow*>(&logic_)) {
        series_ = std::make_unique<SeriesLog>();
        exercise->follow(series_.get());
    }
}

// The solution before the series log it follows. The window's logic may be gone already.
FormWidget::~FormWidget() { delete solution_; }

void FormWidget::build() {
    const ej::WindowDesign& d = logic_.design();
    setObjectName(qs(d.name));
    setWindowTitle(qs(d.caption));

    for (const ej::ControlDesign& c : d.controls) {
        QWidget* w = nullptr;
        switch (c.kind) {
        case ej::ControlKind::Label: {
            auto* label = new QLabel(this);
            label->setTextFormat(Qt::PlainText);  // a typed text quoted in a message is never markup
            label->setText(qs(c.caption));
            label->setWordWrap(true);
            label->setAlignment((c.align == ej::Align::Left ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignTop);
            w = label;
            break;
        }
        case ej::ControlKind::TextBox: {
            auto* box = new QLineEdit(this);
            box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            box->setReadOnly(c.readOnly);
            // Its own entries (copy, paste) come first in the window's context menu.
            box->setContextMenuPolicy(Qt::CustomContextMenu);
            connect(box, &QWidget::customContextMenuRequested, this,
                    [this, box](const QPoint& at) { openContextMenu(box, box->mapToGlobal(at)); });
            w = box;
            break;
        }
        case ej::ControlKind::Button: {
            auto* b = new QPushButton(qs(c.caption), this);
            b->setAutoDefault(false);  // Enter is routed by keyPressEvent below
            b->installEventFilter(this);  // for the arrow keys, below
            connect(b, &QPushButton::clicked, this, [this, name = c.name] {
                Announcer::Press press(*announcer_);
                logic_.clicked(name);
            });
            w = b;
            break;
        }
        }
        w->setObjectName(qs(c.name));
        if (!c.description.empty()) {
            w->setToolTip(qs(c.description));
            w->setAccessibleDescription(qs(c.description));
        }
        w->setFocusPolicy(c.kind == ej::ControlKind::Label ? Qt::NoFocus
                          : c.tab == ej::kNoTab            ? Qt::ClickFocus
                                                           : Qt::StrongFocus);
        controls_.insert(w->objectName(), w);
    }

    announcer_ = new Announcer(this);
    nameForScreenReaders(d);
    desktop_.zoom().follow(this, [this](const Zoom& zoom) { place(zoom); });
    if (auto* exercise = dynamic_cast<const ej::ExerciseWindow*>(&logic_)) {
        QWidget* statement = control(qs(exercise->statementLabel()));
        statement->setToolTip(
            QStringLiteral("F1: ayuda · F2: prueba de escritorio y algoritmo · F3: mi solución · F6: ir a ellas · "
                           "Ctrl++ / Ctrl+-: tamaño · Ctrl+L: ordenar ventanas"));
        // A screen reader says the window's description as the window opens, after its caption.
        setAccessibleDescription(static_cast<QLabel*>(statement)->text());
    }
    tellControlsApart(this, d);

    const auto order = d.tabOrder();
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(control(qs(order[i - 1]->name)), control(qs(order[i]->name)));
    if (!order.empty()) control(qs(order.front()->name))->setFocus();
    if (!d.defaultButton.empty()) setDefault(d.defaultButton);
}

// Sizes and places the window and its controls at the zoom; nothing but sizes and the
// font changes. The window keeps the top-left corner the student gave it, moved in only
// as far as it takes to stay on the screen; it goes back there as it shrinks, where a
// window manager would leave it wherever it had pushed it.
void FormWidget::place(const Zoom& zoom) {
    const ej::WindowDesign& d = logic_.design();
    if (isVisible() && (!placedAt_ || pos() != *placedAt_)) home_ = pos();
    setFont(zoom.font());
    setFixedSize(zoom.px(d.width), zoom.px(d.height));
    for (const ej::ControlDesign& c : d.controls) control(qs(c.name))->setGeometry(zoom.toPixels(c.at));
    for (QLineEdit* box : findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly)) tellWholeTextIfCut(box);
    if (!isVisible()) return;
    placedAt_ = keptOnScreen(home_, frameGeometry().size(), screen()->availableGeometry());
    move(*placedAt_);
}

void FormWidget::nameForScreenReaders(const ej::WindowDesign& d) {
    for (const ej::ControlDesign& c : d.controls) {
        QWidget* w = control(qs(c.name));
        if (c.kind == ej::ControlKind::TextBox) {
            const std::string caption = d.captionFor(c);
            w->setAccessibleName(qs(caption.empty() ? c.name : caption));
        } else if (c.kind == ej::ControlKind::Label) {
            nameLabel(static_cast<QLabel*>(w));
        }
        // A button is named by its caption, as Qt does by itself.
    }
}

// A label speaks its caption; the empty message label is still named.
void FormWidget::nameLabel(QLabel* label) {
    label->setAccessibleName(label->text().isEmpty() ? QStringLiteral("Mensaje") : QString());
}

QWidget* FormWidget::require(std::string_view name) const {
    QWidget* w = control(qs(name));
    if (!w) throw std::logic_error("no control " + std::string(name) + " in " + logic_.design().name);
    return w;
}

std::string FormWidget::text(std::string_view control) const {
    QWidget* w = require(control);
    if (auto* box = qobject_cast<QLineEdit*>(w)) return box->text().toStdString();
    if (auto* label = qobject_cast<QLabel*>(w)) return label->text().toStdString();
    return static_cast<QPushButton*>(w)->text().toStdString();
}

void FormWidget::setText(std::string_view control, std::string_view text) {
    QWidget* w = require(control);
    const QString heard = heardAs(w, qs(text));  // named as it was, before a cut text describes it
    if (auto* box = qobject_cast<QLineEdit*>(w)) {
        box->setText(qs(text));
        tellWholeTextIfCut(box);
    }
    else if (auto* label = qobject_cast<QLabel*>(w)) {
        label->setText(qs(text));
        nameLabel(label);
    }
    else
        static_cast<QPushButton*>(w)->setText(qs(text));
    if (!heard.isEmpty()) announcer_->tell(heard);
}

// A message, or a result as it appears, is what a student who cannot see the window must
// hear: the message label's text, or a result box's name and its text.
QString FormWidget::heardAs(const QWidget* control, const QString& text) const {
    auto* exercise = dynamic_cast<const ej::ExerciseWindow*>(&logic_);
    if (!exercise || text.isEmpty()) return {};
    if (control->objectName() == qs(exercise->messageLabel())) return text;
    auto* box = qobject_cast<const QLineEdit*>(control);
    return box && box->isReadOnly() ? spokenName(box) + QStringLiteral(", ") + text : QString();
}

void FormWidget::setEnabled(std::string_view control, bool enabled) { require(control)->setEnabled(enabled); }

void FormWidget::setDefault(std::string_view button) {
    if (defaultButton_) defaultButton_->setDefault(false);
    defaultButton_ = static_cast<QPushButton*>(require(button));
    defaultButton_->setDefault(true);
}

void FormWidget::focus(std::string_view control) { require(control)->setFocus(Qt::OtherFocusReason); }

void FormWidget::close() { QWidget::close(); }

bool FormWidget::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) desktop_.windowActivated(this);
    if (e->type() == QEvent::WindowDeactivate) desktop_.windowDeactivated(this);
    if (e->type() == QEvent::Show) windowHandle()->installEventFilter(this);  // for the right-click, below
    return QWidget::event(e);
}

// A right-click asks for the context menu without the press itself, which would give the
// control under the mouse the focus (Qt does so for any button): the menu leaves the
// focus where it was. With a menu already open, Qt closes it as usual. An arrow key on a
// button goes to the button that stands that way.
bool FormWidget::eventFilter(QObject* watched, QEvent* e) {
    if (auto* button = qobject_cast<QPushButton*>(watched);
        button && e->type() == QEvent::KeyPress && walkButtons(*button, static_cast<QKeyEvent&>(*e)))
        return true;
    if (watched == windowHandle() && e->type() == QEvent::MouseButtonPress && !QApplication::activePopupWidget()) {
        const auto* press = static_cast<QMouseEvent*>(e);
        if (press->button() == Qt::RightButton) {
            const QPoint at = press->position().toPoint();
            QWidget* over = childAt(at) ? childAt(at) : this;
            QContextMenuEvent request(QContextMenuEvent::Mouse, over->mapFrom(this, at), press->globalPosition().toPoint(),
                                      press->modifiers());
            QApplication::sendEvent(over, &request);
            return true;
        }
    }
    return QWidget::eventFilter(watched, e);
}

// Where there is no button that way, the focus stays: Qt would go on in the Tab order.
bool FormWidget::walkButtons(QPushButton& from, const QKeyEvent& key) {
    const Qt::Key arrows[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right};
    const auto arrow = static_cast<Qt::Key>(key.key());
    if (std::find(std::begin(arrows), std::end(arrows), arrow) == std::end(arrows) ||
        (key.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    QList<QPushButton*> buttons;
    QList<QRect> places;
    for (QPushButton* b : findChildren<QPushButton*>(Qt::FindDirectChildrenOnly))
        if (b->isVisible() && b->isEnabled() && b->focusPolicy() & Qt::TabFocus) {
            buttons << b;
            places << b->geometry();
        }
    const int at = static_cast<int>(buttons.indexOf(&from));
    const int next = at < 0 ? -1 : buttonToward(places, at, arrow);
    if (next >= 0) buttons[next]->setFocus(Qt::TabFocusReason);
    return true;
}

void FormWidget::contextMenuEvent(QContextMenuEvent* e) { openContextMenu(nullptr, e->globalPos()); }

// The window's entries, after a text box's own when the request came from one. The menu
// never takes the activation from the window: Qt shows it as a popup.
void FormWidget::openContextMenu(QLineEdit* box, const QPoint& at) {
    QMenu* menu = box ? box->createStandardContextMenu() : new QMenu(this);
    if (box) menu->addSeparator();
    addWindowEntries(*menu, *this, desktop_);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(at);
}

void FormWidget::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        // As in a dialog: a focused button takes Enter, otherwise the default button does.
        auto* focused = qobject_cast<QPushButton*>(focusWidget());
        QPushButton* target = focused ? focused : defaultButton_;
        if (target && target->isEnabled()) target->click();
        return;
    }
    case Qt::Key_Escape:
        return;  // Escape does nothing in these windows
    case Qt::Key_F1:
        return desktop_.toggleHelp(*this);
    case Qt::Key_F2:
        return toggleTrace();
    case Qt::Key_F3:
        return toggleSolution();
    case Qt::Key_F6:
        return visitNext();
    default:
        QWidget::keyPressEvent(e);
    }
}

void FormWidget::toggleTrace() {
    auto* exercise = dynamic_cast<ej::ExerciseWindow*>(&logic_);
    if (!exercise) return;  // the menu has no desk check
    if (trace_) {
        closeTrace();
        return announcer_->say(QStringLiteral("Prueba de escritorio cerrada"));
    }
    const ej::algorithm::Run* algorithm = exercise->algorithm();
    trace_ = new TraceWindow(exercise->trace(), exercise->design().caption, this,
                             algorithm ? &algorithm->program() : nullptr, exercise->algorithmError());
    desktop_.zoom().follow(trace_, [trace = trace_](const Zoom& zoom) { trace->takeFont(zoom.font()); });
    trace_->setHeading(qs(exercise->design().caption) + QLatin1Char('\t') +
                       static_cast<QLabel*>(control(qs(exercise->statementLabel())))->text());
    trace_->showBeside(controlsInSight());
    announcer_->say(QStringLiteral("Prueba de escritorio abierta: F6 va a ella"));
}

void FormWidget::closeTrace() { delete trace_; }

void FormWidget::toggleSolution() {
    auto* exercise = dynamic_cast<ej::ExerciseWindow*>(&logic_);
    if (!exercise) return;  // the menu has no solution
    if (solution_ && solution_->isVisible()) {
        solution_->close();  // it says so itself, once its changes are settled
        return;
    }
    solution_ = new SolutionWindow(*this, *exercise, desktop_.solutionDraft(*exercise), *series_, desktop_);
    desktop_.zoom().follow(solution_, [solution = solution_](const Zoom& zoom) { solution->takeFont(zoom.font()); });
    solution_->showBeside();
    announcer_->say(QStringLiteral("Mi solución abierta: F6 va a ella"));
}

bool FormWidget::solutionMayClose() const { return !solution_ || !solution_->isVisible() || solution_->confirmClose(); }

void FormWidget::closeCompanions() {
    delete trace_;
    delete solution_;
    if (auto* exercise = dynamic_cast<ej::ExerciseWindow*>(&logic_)) exercise->follow(nullptr);
}

// What is asked, where the student types, why a value was refused, and the results.
QList<QWidget*> FormWidget::controlsInSight() const {
    const auto& exercise = dynamic_cast<const ej::ExerciseWindow&>(logic_);
    QList<QWidget*> controls{control(qs(exercise.statementLabel())), control(qs(exercise.inputBox())),
                             control(qs(exercise.messageLabel()))};
    for (const ej::ControlDesign& c : exercise.design().controls)
        if (c.kind == ej::ControlKind::TextBox && c.readOnly) controls << control(qs(c.name));
    return controls;
}

// F6: into the desk check, on into the solution, on into the help, each when it is
// open, and back. With none open, it says how to open them rather than nothing.
void FormWidget::visitNext() {
    const auto onward = [this](QWidget& from) { return visitSolution() || desktop_.visitHelp(from); };
    if (trace_) return trace_->visitFrom(*this, onward);
    if (onward(*this)) return;
    const bool exercise = dynamic_cast<const ej::ExerciseWindow*>(&logic_);
    announcer_->say(exercise ? QStringLiteral("F2 abre la prueba de escritorio; F3, mi solución; F1, la ayuda")
                             : QStringLiteral("F1 abre la ayuda"));
}

bool FormWidget::visitSolution() {
    if (!solution_ || !solution_->isVisible()) return false;
    solution_->visitFrom();
    return true;
}

void FormWidget::closeEvent(QCloseEvent* e) {
    if (!solutionMayClose()) return e->ignore();
    closing_ = true;
    e->accept();
    desktop_.windowClosed(this);
}

}  // namespace ui
