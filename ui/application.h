#pragma once

#include "engine/number_format.h"

namespace ui {

// On Linux, unless the user has chosen a platform (QT_QPA_PLATFORM), runs on X11
// whenever an X display is reachable, XWayland included: the exercise windows rest on
// window activation, which only X11 lets a program request. Call before QApplication.
void preferX11();

// What every window shares: the font at which all captions and statements fit, a focused
// button's ring, and Qt's own texts in Spanish.
void prepareApplication();

// The separators of the user's locale; the only place the program reads the locale.
ej::NumberFormat systemNumberFormat();

}  // namespace ui
