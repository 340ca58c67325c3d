#include "ui/announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QLineEdit>

namespace ui {

namespace {

// The announcer comes through as a notification named by what it says.
class Notification final : public QAccessibleWidget {
public:
    explicit Notification(Announcer* announcer) : QAccessibleWidget(announcer, QAccessible::Notification) {}
    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name) return {};
        const QString& said = static_cast<const Announcer*>(widget())->said();
        return said.isEmpty() ? QStringLiteral("Aviso") : said;  // named even before it says anything
    }
};

QAccessibleInterface* notificationFor(const QString&, QObject* object) {
    auto* announcer = dynamic_cast<Announcer*>(object);
    return announcer ? new Notification(announcer) : nullptr;
}

}  // namespace

Announcer::Announcer(QWidget* window) : QWidget(window) {
    static const bool installed = (QAccessible::installFactory(notificationFor), true);
    (void)installed;
    setObjectName(QStringLiteral("aviso"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
    hide();
}

Announcer* Announcer::of(const QWidget& window) {
    for (QObject* child : window.children())
        if (auto* announcer = dynamic_cast<Announcer*>(child)) return announcer;
    return nullptr;
}

void Announcer::say(const QString& text) {
    if (text.isEmpty()) return;
    // A screen reader presents a notification as it shows: hidden, renamed, shown again.
    hide();
    said_ = text;
    show();
}

void Announcer::tell(const QString& text) {
    if (pressing_)
        pending_ << text;
    else
        say(text);
}

Announcer::Press::Press(Announcer& announcer) : announcer_(announcer), focused_(QApplication::focusWidget()) {
    announcer_.pressing_ = true;
    announcer_.pending_.clear();
    announcer_.hide();  // what the last press said is no longer news
}

Announcer::Press::~Press() {
    announcer_.pressing_ = false;
    QWidget* now = QApplication::focusWidget();
    if (auto* box = qobject_cast<QLineEdit*>(now); box && box != focused_ && !box->isReadOnly())
        announcer_.pending_.prepend(QAccessible::queryAccessibleInterface(box)->text(QAccessible::Name));
    const QString all = announcer_.pending_.join(QStringLiteral(". "));
    announcer_.pending_.clear();
    announcer_.say(all);
}

}  // namespace ui
