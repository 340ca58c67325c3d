#include "ui/companion.h"

#include <QScreen>
#include <QWidget>
#include <cctype>

#include "ui/placement.h"

namespace ui {

QRect besideExercise(const QWidget& exercise, const QList<QWidget*>& inSight, QSize wanted, QSize least) {
    const QRect outside = exercise.frameGeometry();
    const QSize frame = outside.size() - exercise.size();  // the window manager's, as on its window
    QList<QRect> kept;
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
