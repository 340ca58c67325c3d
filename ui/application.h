#pragma once

#include "engine/number_format.h"

namespace ui {

// The look every window shares: the font at which all captions and statements fit.
void applyLook();

// The separators of the user's locale; the only place the program reads the locale.
ej::NumberFormat systemNumberFormat();

}  // namespace ui
