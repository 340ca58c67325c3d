#pragma once

#include "engine/number_format.h"

namespace ui {

// What every window shares: the font at which all captions and statements fit, and
// Qt's own texts in Spanish.
void prepareApplication();

// The separators of the user's locale; the only place the program reads the locale.
ej::NumberFormat systemNumberFormat();

}  // namespace ui
