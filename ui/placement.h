#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace ui {

// Where the program puts its windows on the screen. Every rectangle is a window's
// outside, its frame included, in screen coordinates.

// The top-left corner nearest to `corner` that keeps a window of `size` on `area`; one
// larger than the area keeps its top-left part on it, title bar first, never above or
// left of it.
QPoint keptOnScreen(QPoint corner, QSize size, const QRect& area);

// Where a companion window (a desk check) of `wanted` size goes beside `window` on
// `area`: at its right or its left when one of them has room; otherwise where it hides
// the least of `window`, below or above it, or pushed against the screen's edge over a
// part of `window` that shows nothing to read. It never covers `inSight`, the parts of
// `window` the student must see, though it may be narrowed or shortened, down to
// `least`, to stay clear of them. Where nothing clears them (a window as large as the
// screen), at its least against the screen's edge where it hides the least of them, and
// of `window` after them: never over the window whole. `leftFirst` tries the left before
// the right, for a window that leaves the right to a desk check.
QRect besideWindow(const QRect& window, const QList<QRect>& inSight, QSize wanted, QSize least, const QRect& area,
                   bool leftFirst = false);

}  // namespace ui
