#include "ui/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLineEdit>
#include <QMap>
#include <QSet>
#include <QWidget>
#include <algorithm>

namespace ui {

namespace {

// A plain top-level widget is otherwise a "filler" to a screen reader; a window of
// this program is a frame, and its name is its caption (Qt's default for a window).
QAccessibleInterface* windowAsFrame(const QString& className, QObject* object) {
    if (className != QLatin1String("QWidget") || !object || !object->isWidgetType()) return nullptr;
    auto* w = static_cast<QWidget*>(object);
    return w->windowType() == Qt::Window ? new QAccessibleWidget(w, QAccessible::Window) : nullptr;
}

QString nameOf(const QWidget* w) {
    return QAccessible::queryAccessibleInterface(const_cast<QWidget*>(w))->text(QAccessible::Name);
}

const QString kInput = QStringLiteral("Entrada"), kResult = QStringLiteral("Resultado");

QString appended(const QString& description, const QString& more) {
    return description.isEmpty() ? more : description + QStringLiteral(", ") + more;
}

// The controls of one window with their places in its design (read from the design,
// not from the widgets, whose geometry follows the zoom).
class Placed {
public:
    explicit Placed(const ej::WindowDesign& design) : design_(design) {}

    const ej::Twips& at(const QWidget* control) const {
        return design_.find(control->objectName().toStdString())->at;
    }
    bool readsBefore(const QWidget* a, const QWidget* b) const {
        return std::pair(at(a).top, at(a).left) < std::pair(at(b).top, at(b).left);
    }
    // The caption of the nearest label above a control in its column: a table's
    // column header, for a box whose row label names it.
    QString captionAbove(const QWidget* control) const {
        const ej::Twips& c = at(control);
        const ej::ControlDesign* nearest = nullptr;
        for (const ej::ControlDesign& l : design_.controls) {
            const bool sameColumn = l.at.left < c.left + c.width && c.left < l.at.left + l.at.width;
            if (l.kind == ej::ControlKind::Label && !l.caption.empty() && sameColumn &&
                l.at.top + l.at.height <= c.top && (!nearest || l.at.top > nearest->at.top))
                nearest = &l;
        }
        return nearest ? QString::fromStdString(nearest->caption) : QString();
    }

private:
    const ej::WindowDesign& design_;
};

// What tells apart controls that would sound the same, in reading order: for boxes
// under one label that lists their contents ("La Suma / El Promedio ...",
// "Cantidad/Suma/Promedio"), their part of it; for boxes of a table, their column
// headers; otherwise their place in the group ("1 de 2").
QStringList telling(const QList<QWidget*>& same, const Placed& placed) {
    const bool boxes = std::all_of(same.begin(), same.end(), [](QWidget* w) { return qobject_cast<QLineEdit*>(w); });
    QStringList parts = nameOf(same.front()).split(QLatin1Char('/'));
    for (QString& part : parts) part = part.trimmed();
    if (boxes && parts.size() == same.size()) return parts;
    QStringList headers;
    for (QWidget* w : same) headers << placed.captionAbove(w);
    const bool distinct = QSet<QString>(headers.begin(), headers.end()).size() == headers.size();
    if (boxes && distinct && !headers.contains(QString())) return headers;
    QStringList places;
    for (qsizetype i = 0; i < same.size(); ++i) places << QStringLiteral("%1 de %2").arg(i + 1).arg(same.size());
    return places;
}

void tellGroupApart(QList<QWidget*> same, const Placed& placed) {
    std::sort(same.begin(), same.end(), [&](QWidget* a, QWidget* b) { return placed.readsBefore(a, b); });
    const QStringList which = telling(same, placed);
    for (qsizetype i = 0; i < same.size(); ++i)
        same[i]->setAccessibleDescription(appended(same[i]->accessibleDescription(), which[i]));
}

}  // namespace

void tellControlsApart(QWidget* window, const ej::WindowDesign& design) {
    static const bool installed = (QAccessible::installFactory(windowAsFrame), true);
    (void)installed;

    QList<QWidget*> controls;
    for (const ej::ControlDesign& c : design.controls)
        if (QWidget* w = window->findChild<QWidget*>(QString::fromStdString(c.name), Qt::FindDirectChildrenOnly))
            controls << w;
    // A box says whether it is where the student types or where a result appears, which
    // also sets it apart from the label that names it.
    for (QWidget* w : controls)
        if (auto* box = qobject_cast<QLineEdit*>(w))
            box->setAccessibleDescription(box->isReadOnly() ? kResult : kInput);

    const Placed placed(design);
    QMap<std::pair<QString, QString>, QList<QWidget*>> bySound;
    for (QWidget* w : controls) bySound[{nameOf(w), w->accessibleDescription()}].append(w);
    for (const QList<QWidget*>& same : bySound)
        if (same.size() > 1) tellGroupApart(same, placed);
}

QString spokenName(const QWidget* box) {
    const QString name = nameOf(box);
    QStringList which = box->accessibleDescription().split(QStringLiteral(", "));
    which.removeFirst();  // what kind of box it is
    if (which.isEmpty()) return name;
    const QString telling = which.join(QStringLiteral(", "));
    for (const QString& part : name.split(QLatin1Char('/')))
        if (part.trimmed() == telling) return telling;
    return name + QLatin1Char(' ') + telling;
}

}  // namespace ui
