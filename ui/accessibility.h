#pragma once

#include "engine/design.h"

class QWidget;

namespace ui {

// What a screen reader needs beyond the names FormWidget gives: the window comes through
// as a frame named by its caption, and no two of its controls share a name and a
// description. Call once the window's controls are built and named.
void tellControlsApart(QWidget* window, const ej::WindowDesign& design);

}  // namespace ui
