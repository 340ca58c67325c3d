#pragma once

#include "engine/design.h"

#include <QString>

class QWidget;

namespace ui {

// What a screen reader needs beyond the names FormWidget gives: the window comes through
// as a frame named by its caption, and no two of its controls share a name and a
// description. Call once the window's controls are built and named.
void tellControlsApart(QWidget* window, const ej::WindowDesign& design);

// A result box as a sentence names it: its label, or where one label stands for several
// boxes, its part of the label ("La Suma"), or the label with the box's column or place
// ("Cantidad Negativos", "Suma y Promedio 2 de 2"). Call after tellControlsApart.
QString spokenName(const QWidget* box);

}  // namespace ui
