#include "ui/companion.h"

#include <QScreen>
#include <QWidget>
#include <cctype>

#include "ui/placement.h"

namespace ui {

QRect besideExercise(const QWidget& exercise, const QList<QWidget*>& inSight, QSize wanted, QSize least) {
    const QRect outside = exercise.frameGeometry();
    const QSize frame = outside.size() - exercise.size();  // the window manager's, as on its window
    // Its title bar too, by which the student finds and moves it.
    QList<QRect> kept{QRect(outside.topLeft(), QPoint(outside.right(), exercise.geometry().top() - 1))};
    for (const QWidget* w : inSight)
        kept << (w->isWindow() ? w->frameGeometry() : QRect(w->mapToGlobal(QPoint()), w->size()));
    const QRect at = besideWindow(outside, kept, wanted + frame, least.boundedTo(wanted) + frame,
                                  exercise.screen()->availableGeometry());
    return {at.topLeft(), at.size() - frame};
}

QString exerciseNumber(const std::string& caption) {
    auto digits = caption.end();
    while (digits != caption.begin() && std::isdigit(static_cast<unsigned char>(digits[-1]))) --digits;
    return QString::fromStdString(std::string(digits, caption.end()));
}

}  // namespace ui
