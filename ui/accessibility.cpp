#include "ui/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLineEdit>
#include <QMap>
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

QString nameOf(QWidget* w) { return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name); }

QString appended(const QString& description, const QString& more) {
    return description.isEmpty() ? more : description + QStringLiteral(", ") + more;
}

// Controls that would sound the same, in reading order. Each says which one of them
// it is: boxes under one label that lists their contents ("La Suma / El Promedio ...")
// by their part of it, any other group by its place in the group.
void tellGroupApart(QList<QWidget*> same) {
    std::sort(same.begin(), same.end(), [](QWidget* a, QWidget* b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
    const QStringList parts = nameOf(same.front()).split(QStringLiteral(" / "));
    const bool byParts = parts.size() == same.size() &&
                         std::all_of(same.begin(), same.end(), [](QWidget* w) { return qobject_cast<QLineEdit*>(w); });
    for (qsizetype i = 0; i < same.size(); ++i) {
        const QString which = byParts ? parts[i].trimmed() : QStringLiteral("%1 de %2").arg(i + 1).arg(same.size());
        same[i]->setAccessibleDescription(appended(same[i]->accessibleDescription(), which));
    }
}

}  // namespace

void tellControlsApart(QWidget* window) {
    static const bool installed = (QAccessible::installFactory(windowAsFrame), true);
    (void)installed;

    const QList<QWidget*> controls = window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    // A box says whether it is where the student types or where a result appears, which
    // also sets it apart from the label that names it.
    for (QWidget* w : controls)
        if (auto* box = qobject_cast<QLineEdit*>(w))
            box->setAccessibleDescription(box->isReadOnly() ? QStringLiteral("Resultado") : QStringLiteral("Entrada"));

    QMap<std::pair<QString, QString>, QList<QWidget*>> bySound;
    for (QWidget* w : controls) bySound[{nameOf(w), w->accessibleDescription()}].append(w);
    for (const QList<QWidget*>& same : bySound)
        if (same.size() > 1) tellGroupApart(same);
}

}  // namespace ui
