#pragma once

#include <QList>
#include <QRect>
#include <QSize>
#include <optional>

namespace ui {

// "Ordenar ventanas", a teacher's layout for a projector: an exercise window of `window`
// size at the top-left corner of `area`, and its companions (its desk check, its
// solution) filling the rest of it, beside or below the window or sharing one side,
// none over another. Every size is a window's outside, its frame included; `least`
// holds each companion's least size (none, one or two of them), in their order. The
// places come back in the same order, the window's first, out of the ways that give
// every companion its least the one whose most cramped companion has the most room. None
// when nothing gives them it.
std::optional<QList<QRect>> tiled(QSize window, const QList<QSize>& least, const QRect& area);

}  // namespace ui
