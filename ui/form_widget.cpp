#include "ui/form_widget.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QWindow>
#include <stdexcept>

#include "engine/exercise_window.h"
#include "ui/accessibility.h"
#include "ui/qt_desktop.h"
#include "ui/zoom.h"
#include "ui/trace_window.h"
#include "ui/window_menu.h"

namespace ui {

namespace {

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace

FormWidget::FormWidget(ej::Window& logic, QtDesktop& desktop) : logic_(logic), desktop_(desktop) {
    build();
}

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
            connect(b, &QPushButton::clicked, this, [this, name = c.name] { logic_.clicked(name); });
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

    nameForScreenReaders(d);
    desktop_.zoom().follow(this, [this](const Zoom& zoom) { place(zoom); });
    if (auto* exercise = dynamic_cast<const ej::ExerciseWindow*>(&logic_))
        control(qs(exercise->statementLabel()))
            ->setToolTip(QStringLiteral("F1: ayuda · F2: prueba de escritorio y algoritmo · Ctrl++ / Ctrl+-: tamaño"));
    tellControlsApart(this, d);

    const auto order = d.tabOrder();
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(control(qs(order[i - 1]->name)), control(qs(order[i]->name)));
    if (!order.empty()) control(qs(order.front()->name))->setFocus();
    if (!d.defaultButton.empty()) setDefault(d.defaultButton);
}

// Sizes and places the window and its controls at the zoom; the window keeps its
// top-left corner, and nothing but sizes and the font changes.
void FormWidget::place(const Zoom& zoom) {
    const ej::WindowDesign& d = logic_.design();
    setFont(zoom.font());
    setFixedSize(zoom.px(d.width), zoom.px(d.height));
    for (const ej::ControlDesign& c : d.controls) control(qs(c.name))->setGeometry(zoom.toPixels(c.at));
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
    if (auto* box = qobject_cast<QLineEdit*>(w))
        box->setText(qs(text));
    else if (auto* label = qobject_cast<QLabel*>(w)) {
        label->setText(qs(text));
        nameLabel(label);
    }
    else
        static_cast<QPushButton*>(w)->setText(qs(text));
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
// focus where it was. With a menu already open, Qt closes it as usual.
bool FormWidget::eventFilter(QObject* watched, QEvent* e) {
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
    default:
        QWidget::keyPressEvent(e);
    }
}

void FormWidget::toggleTrace() {
    auto* exercise = dynamic_cast<ej::ExerciseWindow*>(&logic_);
    if (!exercise) return;  // the menu has no desk check
    if (trace_) return closeTrace();
    const ej::algorithm::Run* algorithm = exercise->algorithm();
    trace_ = new TraceWindow(exercise->trace(), exercise->design().caption, this,
                             algorithm ? &algorithm->program() : nullptr);
    desktop_.zoom().follow(trace_, [trace = trace_](const Zoom& zoom) { trace->takeFont(zoom.font()); });
    trace_->showBeside();
}

void FormWidget::closeTrace() { delete trace_; }

void FormWidget::closeEvent(QCloseEvent* e) {
    closing_ = true;
    e->accept();
    desktop_.windowClosed(this);
}

}  // namespace ui
