#pragma once

#include <QList>
#include <QRect>

namespace ui {

// The arrow keys among a window's buttons, by where the buttons stand rather than by
// their Tab order (the menu's grid): ↓ goes to the nearest button below `from` that
// shares some of its columns, the one that shares the most among equally near ones; ↑,
// ← and → alike. The index in `buttons` of the one it goes to, or -1 where none is.
int buttonToward(const QList<QRect>& buttons, int from, Qt::Key arrow);

}  // namespace ui
