#pragma once

#include <QList>
#include <QRect>
#include <QSize>
#include <QString>
#include <string>

class QWidget;

namespace ui {

// Where a window that accompanies an exercise window (its desk check, the student's own
// solution) goes: beside it where the screen has room (placement.h), never over its
// title bar nor `inSight`, the windows and controls a student must still see. `wanted` and `least`
// are sizes inside the frame; so is the size returned, for resize(), while its top-left
// corner is the frame's, for move().
QRect besideExercise(const QWidget& exercise, const QList<QWidget*>& inSight, QSize wanted, QSize least);

// The number an exercise window's caption ends with: "Ejercicio 05" gives "05".
QString exerciseNumber(const std::string& caption);

}  // namespace ui
